// The page layout and the breaks of an imported document, sent as a host
// sends them: each page span is a section of the host's, the first one the
// document's own and each later one starting on a new page, with its page
// size, orientation and margins; an importer's section of two or more
// columns is a column group inside the host's section, which continues on
// the same page; a page or column break before a paragraph is the host's
// page break character or column break at the paragraph's start.
#pragma once

#include <librevenge/librevenge.h>

#include <cstdint>

namespace trxhost {
class Document;
}

namespace frontends {

class SectionBuilder {
public:
    // The horizontal layout of the page, in twips, as the page spans so far
    // give it; a setting a page span leaves out stays as it was, as a new
    // host section starts from the one before. Width 0: not given yet.
    struct PageWidths {
        uint32_t width = 0;
        uint32_t leftMargin = 0;
        uint32_t rightMargin = 0;
    };

    // Each event appends its changes to the document; the caller has sent
    // the text before it and ended the document's properties.
    void openPageSpan(trxhost::Document& document, const librevenge::RVNGPropertyList& properties);
    void openSection(trxhost::Document& document, const librevenge::RVNGPropertyList& properties);
    void closeSection(trxhost::Document& document);
    void openParagraph(trxhost::Document& document, const librevenge::RVNGPropertyList& properties);

private:
    void writePageSettings(trxhost::Document& document, const librevenge::RVNGPropertyList& properties);
    void endColumns(trxhost::Document& document);

    PageWidths page_;
    bool pageSeen_ = false;
    bool columnsOpen_ = false;
    // No paragraph has opened since the page span began.
    bool pageSpanStarts_ = false;
};

} // namespace frontends
