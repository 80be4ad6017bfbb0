// Turns the frames an importer sends into the host's changes: a positioned
// frame becomes a frame placed in the current paragraph, with a record of its
// anchor, offsets and size, and its content (the text of a text box, a
// picture) between the begin and end of a frame content; a picture becomes an
// embedded object whose bytes the host serves by name, shown at the frame's
// size. A picture in a frame that stands in the line (anchored as a
// character) is placed inline, as a host places an inline picture.
//
// What the host's frame record has no field for is left out: wrapping,
// alignment to the page or paragraph (only offsets are carried), borders and
// fills of frames, and the crop of pictures.
#pragma once

#include "frontends/CharacterState.h"
#include "frontends/HostOutput.h"

#include <librevenge/librevenge.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace trxhost {
class Document;
}

namespace frontends {

// Where a frame stands and how big it is, in twips.
struct FrameGeometry {
    enum class Anchor { InLine, Character, Paragraph, Page };
    Anchor anchor = Anchor::Paragraph;
    int32_t x = 0;
    int32_t y = 0;
    // Nothing: the frame's content decides.
    std::optional<uint32_t> width;
    std::optional<uint32_t> height;

    static FrameGeometry ofFrame(const librevenge::RVNGPropertyList& properties);
};

class FrameBuilder {
public:
    // The character formatting the text had and the open span asked for
    // where a text box began: it holds again after the frame.
    struct Formatting {
        CharacterState current;
        CharacterState wanted;
    };

    explicit FrameBuilder(HostOutput& output);

    // A frame that is not carried (it stands in text that is left out)
    // leaves out its content too.
    void openFrame(const librevenge::RVNGPropertyList& properties, bool carried);
    // The first picture of a frame is its content; the others are the same
    // picture in other formats, and are passed over.
    void insertBinaryObject(const librevenge::RVNGPropertyList& properties);
    // True when the text box's text begins its frame's content: the text
    // then starts in a paragraph of the frame's own, without formatting. Text
    // of a text box that is left out is told by omitsText.
    bool openTextBox(const Formatting& outside);
    void closeTextBox();
    // The formatting that holds again after the frame, when a text box of it
    // was carried.
    std::optional<Formatting> closeFrame();
    // Whether text now arriving belongs to a text box that is left out.
    bool omitsText() const;
    // Closes the frames the importer left open: the document ends.
    void finish();

private:
    struct OpenFrame {
        OpenFrame(const FrameGeometry& where, bool takesContent) : geometry(where), carried(takesContent) {}

        FrameGeometry geometry;
        bool carried;
        bool pictureTaken = false;
        // The tag id of the frame's content once it is open; 0 before.
        uint32_t contentTag = 0;
        uint32_t openTextBoxes = 0;
        // Set when the first text box's text began the content.
        std::optional<Formatting> outside;
    };

    void placePicture(OpenFrame& frame, std::vector<uint8_t> bytes);
    void openContent(OpenFrame& frame);
    void closeContent(const OpenFrame& frame);
    void appendFrame(const FrameGeometry& geometry);
    void appendGraphic(const FrameGeometry& geometry, std::vector<uint8_t> bytes);

    HostOutput& output_;
    std::vector<OpenFrame> frames_;
    // Frames opened past the nesting bound, and text boxes outside any frame
    // that is kept: their content is left out.
    uint32_t ignoredFrames_ = 0;
    uint32_t strayTextBoxes_ = 0;
};

} // namespace frontends
