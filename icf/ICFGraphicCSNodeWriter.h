// A graphic: "PDS" describes the picture (whether its bytes were converted,
// its shown and source sizes, its crop region), then the picture follows
// either embedded, its bytes as hexadecimal digits in "PCT", or referenced
// by a file name in "IGR". The writer options decide which, and whether the
// picture is converted first. A graphic that is off, or whose picture
// cannot be cut out, leaves an empty "PCT" frame where rectangles are to be
// seen, else nothing.
#pragma once

#include "core/Writer.h"
#include "icf/ICFStrandNodeWriter.h"

#include <list>

class IGraphicCSContent;

class CICFGraphicCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kGraphicCSNode;

    void writeContent() override;

    // Embedding when the action says to convert; converting as well when the
    // conversion takes all graphics and the graphic's converter is not one
    // never to convert to (the converter is asked for only then).
    static void checkConversionOptions(EbrGfxAction action, EbrGfxConversion conversion,
                                       const std::list<long>& neverConvert, IGraphicCSContent& graphic, bool& embed,
                                       bool& convert);

private:
    // "PDS": 1 when the picture bytes were converted, else 0; the shown width
    // and height, the source width and height, the crop region's top, left,
    // bottom and right.
    void writePDS(IGraphicCSContent& graphic, bool converted);
    // "PDS" and "PCT" with the picture's bytes, converted when `convert` is
    // set and the conversion succeeds. Nothing when neither the converted
    // file nor the embedded data opens.
    void writeEmbedded(IGraphicCSContent& graphic, bool convert, bool deleteTemporaryFiles);
    // "PDS" and "IGR" with the file's name.
    void writeReferenced(IGraphicCSContent& graphic, const CCharacterString& fileName);
    // "PDS" and an empty "PCT": a frame where the picture would stand.
    void writeEmptyFrame(IGraphicCSContent& graphic);
};
