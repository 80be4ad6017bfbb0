#include "frontends/SubDocuments.h"

#include "trx/changes.h"

#include <algorithm>

namespace frontends {

std::optional<uint32_t> slotFlagsOf(const librevenge::RVNGPropertyList& properties, bool header)
{
    const librevenge::RVNGProperty* occurrence = properties["librevenge:occurrence"];
    const std::string pages = occurrence ? occurrence->getStr().cstr() : "all";
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
    const librevenge::RVNGProperty* label = properties["text:label"];
    return label ? label->getStr().cstr() : std::string();
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
