// Borders as ICF writes them: the "PBC" command with one four-bit line code
// per side and the colour code of each side's line.
#pragma once

#include "icf/ICFPropertiesWriter.h"
#include "model/Borders.h"
#include "model/LineTypes.h"

#include <array>
#include <cstdint>

class CICFHexParameter;
class CICFWriter;

// Who the borders of a "PBC" command belong to. The code is written as it
// is for 0 to 3; any other value is written as the paragraph's.
enum EBorderClient : int32_t {
    kBorderClientParagraph = 0,
    kBorderClientPage = 1,
    kBorderClientStrand = 2,
};

class CICFBorderCodes {
public:
    // The ICF line code of a line type: none, double, dashed, dotted, thick
    // and the border styles 7 and 8 keep their number; every other line is
    // drawn single (1).
    static uint32_t getICFBorderCode(ELineTypes lineType);
};

class CICFBorders : public CGridBorders {
public:
    CICFBorders() = default;
    explicit CICFBorders(const CGridBorders& borders) : CGridBorders(borders) {}
    // The four sides of a box; no inside lines.
    explicit CICFBorders(const CRectangularBorders& sides);

    // "PBC": off writes an empty border code; on writes the line codes and
    // the colour of each side, top, left, bottom, right.
    void writePBC(CICFWriter* writer, EOnOffType onOff, EBorderClient client) const;
    // The four line codes in one 16-bit value: top in the highest four bits,
    // then left, bottom and right.
    void getIcfBorderCodes(CICFHexParameter& codes) const;
    bool areAllBordersOff() const;

private:
    // The four sides in the order ICF gives them: top, left, bottom, right.
    std::array<CBorder, 4> getSides() const;
};
