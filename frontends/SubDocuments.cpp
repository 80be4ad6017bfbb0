#include "frontends/SubDocuments.h"

#include "frontends/Properties.h"
#include "trx/changes.h"

#include <algorithm>

namespace frontends {

std::optional<uint32_t> slotFlagsOf(const librevenge::RVNGPropertyList& properties, bool header)
{
    const std::string pages = textOf(properties, "librevenge:occurrence", "all");
    uint32_t flags = header ? CHSLOT_HEADER : CHSLOT_FOOTER;
    if (pages == "odd")
        flags |= CHSLOT_ODD_PAGES;
    else if (pages == "even")
        flags |= CHSLOT_EVEN_PAGES;
    else if (pages == "all" || pages == "both")
        flags |= CHSLOT_ALL_PAGES;
    else
        return std::nullopt;
    return flags;
}

std::string noteLabelOf(const librevenge::RVNGPropertyList& properties)
{
    return textOf(properties, "text:label");
}

bool mayOpenInside(SubDocumentKind kind, const std::vector<SubDocumentKind>& open)
{
    const auto isOpen = [&open](SubDocumentKind other) {
        return std::find(open.begin(), open.end(), other) != open.end();
    };
    switch (kind) {
    case SubDocumentKind::HeaderFooter:
        return open.empty();
    case SubDocumentKind::Note:
        return !isOpen(SubDocumentKind::Note) && !isOpen(SubDocumentKind::Comment);
    case SubDocumentKind::Comment:
        return !isOpen(SubDocumentKind::Comment);
    }
    return false;
}

} // namespace frontends
