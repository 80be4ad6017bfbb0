// Headers, footers, notes and comments: text the importers send out of line,
// between an open and a close event, which a host sends in paragraphs of
// their own inside a tag, after which the text goes on where it was. Here
// are how the importers' properties of each become the host's values, and
// which of them may open inside which.
#pragma once

#include <librevenge/librevenge.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace frontends {

enum class SubDocumentKind { HeaderFooter, Note, Comment };

// The flags of the sub-document slot a header or footer is read from: the
// pages it appears on (librevenge:occurrence odd, even, or all or both, the
// default) and whether it is a header. Nothing for the occurrences a slot
// cannot say (first, last): those headers and footers are left out.
std::optional<uint32_t> slotFlagsOf(const librevenge::RVNGPropertyList& properties, bool header);

// The mark a note was given in place of its number (text:label); empty for
// a numbered note.
std::string noteLabelOf(const librevenge::RVNGPropertyList& properties);

// Whether a sub-document of `kind` may open inside those open, innermost
// last: a header or footer only in the body, a note outside notes and
// comments, a comment outside comments. Others are left out.
bool mayOpenInside(SubDocumentKind kind, const std::vector<SubDocumentKind>& open);

} // namespace frontends
