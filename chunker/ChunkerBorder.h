// Converts the host's border record (CHBORDER_* of trx/changes.h) into a
// border.
#pragma once

class CBorder;

class CChunkerBorder {
public:
    CBorder& transfer(const unsigned char* record, CBorder& border) const;
};
