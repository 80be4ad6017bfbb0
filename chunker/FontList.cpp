#include "chunker/FontList.h"

#include "core/Exceptions.h"
#include "model/CharacterString.h"
#include "model/CountedReference.h"
#include "model/FontDefinition.h"
#include "model/FontDefinitionTableNode.h"

#include <vector>

namespace {

// A font name longer than this cannot come from a sound document; the bound
// keeps a damaged length from asking for gigabytes.
constexpr uint32_t kMaxFontNameLength = 0x10000;

} // namespace

TRXERR CFontList::getNextElement()
{
    static const TRXERR kAccepted[] = {TRXERR_OK, TRXERR_NOITEM, TRXERR_BADPARAM};
    return readItem(&m_item, kAccepted, 3,
                    "REQUIRE_1: locErr == TRXERR_OK || locErr == TRXERR_NOITEM || locErr == TRXERR_BADPARAM\n"
                    "\tFile: ChFnList  ln(65)");
}

uint32_t CFontList::processNextElement(IFontDefinitionTableContent& fontTable, uint32_t defaultCharSet)
{
    if (m_item.nameLength > kMaxFontNameLength)
        throw ExMisformedChunkerDataError("REQUIRE: nameLength <= kMaxFontNameLength\n\tFile: ChFnList");
    std::vector<uint16_t> units(m_item.nameLength + 1, 0);
    m_names.moveToElementById(m_item.nameId);
    if (m_item.nameLength > 0)
        m_names.getNextElements(m_item.nameLength, units.data());
    CCharacterString name;
    name.setString(units.data(), m_item.nameLength, m_item.charSet);
    name.setWideStringDefaultCharacterSet(defaultCharSet);
    fontTable.addFont(makeCounted<CFontDefinition>(m_item.id, name).get());
    return 0;
}
