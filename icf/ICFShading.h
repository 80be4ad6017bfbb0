// Shading as ICF writes it: the "SHD" command with an intensity, the two
// pattern colours and an ICF pattern code.
#pragma once

#include "icf/ICFPropertiesWriter.h"
#include "model/Shading.h"

#include <cstdint>

class CICFWriter;

// Who the shading of a "SHD" command belongs to. The code is written as it
// is for 0 to 6; any other value is written as the strand's.
enum EShadingClient : int32_t {
    kShadingClientStrand = 0,
    kShadingClientParagraph = 1,
    kShadingClientCell = 3,
};

class CICFShading : public CShading {
public:
    CICFShading() = default;
    explicit CICFShading(const CShading& shading) : CShading(shading) {}

    bool isOn() const { return getType() > kShadingNone; }
    // "SHD" with the client code; off writes 0 after it and nothing more.
    void writeSHD(CICFWriter* writer, EOnOffType onOff, EShadingClient client) const;
};
