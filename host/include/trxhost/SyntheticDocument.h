// A generated document of formatted text, as long as asked for. Its change
// and text lists are computed item by item as they are read, so serving a
// million paragraphs takes no more memory than serving one; the fonts are
// stored as in any document.
//
// The document: the break that completes the document's properties, a
// section setup (US Letter page, portrait, one-inch margins), Unicode text
// in font 1 at font size 24, then `paragraphs` paragraphs that each hold five
// text runs (the second bold, the fourth italic) and end with a paragraph
// end, and finally the document end.
#pragma once

#include "trx/platform.h"
#include "trxhost/Document.h"

#include <cstdint>
#include <memory>

namespace trxhost {

// Throws std::length_error when the lists would pass ItemList::kMaxLength.
TRX_API std::unique_ptr<Document> makeSyntheticDocument(uint32_t paragraphs);

} // namespace trxhost
