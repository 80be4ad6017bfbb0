#include "chunker/ChangeFactory.h"

#include "chunker/ChangeBreak.h"
#include "chunker/ChangeChar.h"
#include "chunker/ChangeColumn.h"
#include "chunker/ChangeCounter.h"
#include "chunker/ChangeFrame.h"
#include "chunker/ChangeGraphic.h"
#include "chunker/ChangeHeader.h"
#include "chunker/ChangeNote.h"
#include "chunker/ChangePage.h"
#include "chunker/ChangePara.h"
#include "chunker/ChangeSection.h"
#include "chunker/ChangeSpecialChar.h"
#include "chunker/ChangeStyle.h"
#include "chunker/ChangeTable.h"
#include "chunker/ChangeTags.h"
#include "chunker/ChangeText.h"

CChangeFactory::CChangeFactory()
{
    for (CChange*& entry : m_table)
        entry = &m_defaultHandler;
    registerHandlers();
}

CChangeFactory::~CChangeFactory() = default;

void CChangeFactory::registerChangeHandler(uint32_t type, CChange* handler)
{
    if (type < kTableSize)
        m_table[type] = handler;
}

CChange& CChangeFactory::getChangeHandler(uint32_t type)
{
    return type < kTableSize ? *m_table[type] : m_defaultHandler;
}

bool CChangeFactory::hasChangeHandler(uint32_t type) const
{
    return type < kTableSize && m_table[type] != &m_defaultHandler;
}

template <class Handler>
void CChangeFactory::registerNew(uint32_t type)
{
    m_owned.push_back(std::make_unique<Handler>());
    registerChangeHandler(type, m_owned.back().get());
}

// Every type gets its own handler object, constructed in this order.
void CChangeFactory::registerHandlers()
{
    registerNew<CChangeText>(7);
    registerNew<CChangeBreak>(0);
    registerNew<CChangeSpecialChar>(24);
    registerNew<CChangeGraphic>(26);
    for (uint32_t type : {28, 95})
        registerNew<CChangeStyle>(type);
    for (uint32_t type : {29, 30, 93})
        registerNew<CChangeCounter>(type);
    for (uint32_t type : {8, 9, 10, 25, 60, 61, 62, 64, 65, 94, 119, 123})
        registerNew<CChangeChar>(type);
    for (uint32_t type : {12, 97, 13, 98, 99, 14, 56, 57, 58, 59, 21, 100, 22, 102, 23, 101, 88, 129, 132})
        registerNew<CChangePara>(type);
    registerNew<CChangeBeginTable>(16);
    registerNew<CChangeEndTable>(17);
    registerNew<CChangeRowFormat>(18);
    registerNew<CChangeCellFormat>(19);
    for (uint32_t type : {49, 50, 51, 52, 53, 55})
        registerNew<CChangeColumn>(type);
    for (uint32_t type : {20, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 47, 48})
        registerNew<CChangePage>(type);
    for (uint32_t type : {43, 46})
        registerNew<CChangeHeader>(type);
    registerNew<CChangeNote>(44);
    registerNew<CChangeFrame>(45);
    registerNew<CChangeSection>(1);
    registerNew<CChangeBeginTag>(67);
    registerNew<CChangeEndTag>(68);
}
