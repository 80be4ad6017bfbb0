// Converts the host's shading record (CHSHADING_* of trx/changes.h) into a
// shading; kRecordSize is the part of the record it reads.
#pragma once

class CShading;
class CColor;

class CChunkerShade {
public:
    static constexpr unsigned kRecordSize = 16;

    void transfer(const unsigned char* record, CShading& shading) const;
};

// A host colour word 0x00BBGGRR: red in the low byte.
CColor colorFromHost(unsigned long word);
