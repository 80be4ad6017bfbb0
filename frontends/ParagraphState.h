// The formatting of a paragraph, as the importers give it whole when each
// paragraph opens, and the host's paragraph changes that lead from one
// formatting to another: from that of the paragraph style each paragraph
// starts in to the paragraph's own, so only what differs from it is sent.
#pragma once

#include <librevenge/librevenge.h>

#include <cstdint>
#include <vector>

namespace frontends {

struct TabStop {
    uint32_t position = 0; // twips from the left indent's margin
    uint32_t kind = 0;     // CHTAB_*, with CHTAB_BAR_FLAG for a bar
    uint16_t leader = 0;   // 0: none
    uint16_t decimal = 0;  // the character a decimal stop aligns on

    bool operator==(const TabStop& other) const;
};

struct ParagraphState {
    uint32_t alignment;
    // Twips from the margins; the first line from the left indent.
    int32_t leftIndent = 0;
    int32_t rightIndent = 0;
    int32_t firstLineIndent = 0;
    uint32_t spaceBefore = 0;
    uint32_t spaceAfter = 0;
    // CHSPACING_* and the height in twips; height 0 is single spacing.
    uint32_t lineSpacingKind;
    uint32_t lineHeight = 0;
    // The fewest lines a page break may leave of the paragraph (the larger
    // of fo:widows and fo:orphans); 0: no widow or orphan control.
    uint32_t widowOrphanLines = 0;
    std::vector<TabStop> tabs;

    // The formatting of a paragraph no property has touched: that of a
    // host's first paragraph.
    ParagraphState();

    // Reads alignment, indents, spacing before and after, line spacing
    // (exact, at least, or in lines), widow and orphan control and tab
    // stops of a paragraph's
    // properties; what they do not give takes the value of a fresh
    // paragraph.
    static ParagraphState ofParagraph(const librevenge::RVNGPropertyList& properties);
};

// One host change record: type and three values.
struct HostChange {
    uint32_t type;
    uint32_t value1 = 0;
    uint32_t value2 = 0;
    uint32_t value3 = 0;
};

// The paragraph changes that turn `from`'s formatting into `to`'s. Tab stops
// that differ are sent as a whole new set: cleared, then each added.
std::vector<HostChange> paragraphChanges(const ParagraphState& from, const ParagraphState& to);

} // namespace frontends
