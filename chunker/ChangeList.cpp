#include "chunker/ChangeList.h"

#include "chunker/ChangeFactory.h"
#include "core/Exceptions.h"
#include "core/UnhandledChanges.h"
#include "trx/changes.h"

#include <algorithm>
#include <iterator>

namespace {

// Changes that other handlers read ahead from their own copy of the list
// (counter references, object properties, the texts that name tags): that
// the main loop finds no
// handler for them is expected, so they are not counted as unhandled.
constexpr uint32_t kReadAheadTypes[] = {CHCHANGE_COUNTER_REFERENCE, CHCHANGE_PROPERTY_TEXT, CHCHANGE_PROPERTY,
                                        CHCHANGE_END_PROPERTIES, CHCHANGE_PROPERTY_RESERVED};

bool isReadAhead(uint32_t type)
{
    return std::find(std::begin(kReadAheadTypes), std::end(kReadAheadTypes), type) != std::end(kReadAheadTypes);
}

} // namespace

CChangeList::CChangeList()
{
    setType(CHLIST_CHANGES);
}

TRXERR CChangeList::getNextElement()
{
    static const TRXERR kAccepted[] = {TRXERR_OK, TRXERR_NOITEM};
    static_assert(CHRECORD_SIZE_CHANGE == 4 * sizeof(uint32_t), "a change item is its type and three values");
    uint32_t record[CHRECORD_SIZE_CHANGE / 4] = {};
    const TRXERR code = readItem(record, kAccepted, 2,
                                 "REQUIRE_1: locErr == TRXERR_OK || locErr == TRXERR_NOITEM\n\tFile: ChChList  ln(70)");
    if (code == TRXERR_OK)
        setChange(record[0], record[1], record[2], record[3]);
    return code;
}

void CChangeList::getChangeValues(uint32_t& value1, uint32_t& value2, uint32_t& value3) const
{
    value1 = m_value1;
    value2 = m_value2;
    value3 = m_value3;
}

CChangeListProcess::CChangeListProcess() : m_factory(std::make_unique<CChangeFactory>(this))
{
}

CChangeListProcess::~CChangeListProcess() = default;

bool CChangeList::getNextInTag(const char* neverEnds)
{
    if (getNextElement() != TRXERR_OK)
        throw ExMisformedChunkerDataError(neverEnds);
    return getChangeType() != CHCHANGE_END_TAG;
}

uint32_t CChangeListProcess::processNextElement(INode*& current)
{
    if (m_unhandled && !m_factory->hasChangeHandler(m_type) && !isReadAhead(m_type))
        m_unhandled->count(m_type);
    CChange& handler = m_factory->getChangeHandler(m_type);
    handler.setChange(m_type, m_value1, m_value2, m_value3);
    return handler.process(current);
}
