// Converts the host's border record (five big-endian words: thickness,
// colour 0x00BBGGRR, style code with the priority flag 0x40, inside and
// outside spacing) into a border.
#pragma once

class CBorder;

class CChunkerBorder {
public:
    static constexpr unsigned kRecordSize = 20;

    CBorder& transfer(const unsigned char* record, CBorder& border) const;
};
