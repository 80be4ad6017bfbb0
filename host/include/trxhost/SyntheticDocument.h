// Generated documents as long as asked for. Their change and text lists are
// computed item by item as they are read, so serving a million paragraphs
// or rows takes no more memory than serving one; fonts, row formats, cell
// formats and a list style's records are stored as in any document.
//
// All open with the break that completes the document's properties (the
// list after its style's definition), a section setup (US Letter page,
// portrait, one-inch margins) and Unicode text in font 1 at font size 24,
// and close with the document end.
// - Paragraphs: `count` paragraphs that each hold five text runs (the second
//   bold, the fourth italic) and end with a paragraph end.
// - Table: one table of `count` rows of four cells. Every row has the same
//   row format and the same four cell formats (1.5-inch cells with 108-twip
//   gutters), and a short text run in each cell.
// - List: before the document's properties are done, a list style of three
//   levels (numbered 1, a and i, each after a prefix word and before a full
//   stop); then `count` paragraphs in that style, each numbered at a level
//   and holding one text run. The levels go 0, 1, 2, 1, 0, 1 ...
// - Runs: one paragraph of `count` short text runs, bold and not in turn.
#pragma once

#include "trx/platform.h"
#include "trxhost/Document.h"

#include <cstdint>
#include <memory>

namespace trxhost {

enum class SyntheticWorkload { Paragraphs, Table, List, Runs };

// Throws std::length_error when the lists would pass ItemList::kMaxLength.
TRX_API std::unique_ptr<Document> makeSyntheticDocument(uint32_t count,
                                                        SyntheticWorkload workload = SyntheticWorkload::Paragraphs);

} // namespace trxhost
