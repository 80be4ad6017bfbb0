// Converts the host's shading record (four big-endian words: pattern index,
// transparency, foreground and background colour as 0x00BBGGRR) into a
// shading.
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
