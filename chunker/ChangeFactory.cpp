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
#include "trx/changes.h"

#include <utility>

CChangeFactory::CChangeFactory(const CChunkerList* processor) : m_processor(processor)
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

template <class Handler, class... Args>
void CChangeFactory::registerNew(uint32_t type, Args&&... args)
{
    m_owned.push_back(std::make_unique<Handler>(std::forward<Args>(args)...));
    registerChangeHandler(type, m_owned.back().get());
}

// Every type gets its own handler object, constructed in this order.
void CChangeFactory::registerHandlers()
{
    registerNew<CChangeText>(CHCHANGE_TEXT);
    registerNew<CChangeBreak>(CHCHANGE_BREAK);
    registerNew<CChangeSpecialChar>(CHCHANGE_SPECIAL_CHARACTER);
    registerNew<CChangeGraphic>(CHCHANGE_EMBEDDED_OBJECT, m_processor);
    for (uint32_t type : {CHCHANGE_APPLY_STYLE, CHCHANGE_STYLE_RELATION})
        registerNew<CChangeStyle>(type);
    registerNew<CChangeCounter>(CHCHANGE_DEFINE_COUNTER, m_processor);
    for (uint32_t type : {CHCHANGE_RESTART_COUNTER, CHCHANGE_APPLY_COUNTER})
        registerNew<CChangeCounter>(type);
    for (uint32_t type :
         {CHCHANGE_ATTRIBUTE, CHCHANGE_FONT_SIZE, CHCHANGE_FONT, CHCHANGE_CHARACTER_SET, CHCHANGE_TEXT_COLOR,
          CHCHANGE_BACKGROUND_COLOR, CHCHANGE_WIDTH_ADJUSTMENT, CHCHANGE_PAIR_KERNING, CHCHANGE_LANGUAGE,
          CHCHANGE_BASELINE_SHIFT, CHCHANGE_ADDITIONAL_FONT, CHCHANGE_WIDE_CHARACTER_SET})
        registerNew<CChangeChar>(type);
    for (uint32_t type :
         {CHCHANGE_ALIGNMENT, CHCHANGE_ONE_INDENT, CHCHANGE_INDENTS, CHCHANGE_SPACE_BEFORE, CHCHANGE_SPACE_AFTER,
          CHCHANGE_LINE_SPACING, CHCHANGE_HYPHENATION_ZONE, CHCHANGE_KEEP, CHCHANGE_PARAGRAPH_BORDERS,
          CHCHANGE_PARAGRAPH_SHADING, CHCHANGE_CLEAR_TABS, CHCHANGE_PARAGRAPH_UNUSED_2, CHCHANGE_ADD_TAB,
          CHCHANGE_REMOVE_TABS, CHCHANGE_PARAGRAPH_UNUSED_1, CHCHANGE_PARAGRAPH_UNUSED_3, CHCHANGE_DEFAULT_TAB_WIDTH,
          CHCHANGE_WIDOW_CONTROL, CHCHANGE_ORPHAN_CONTROL})
        registerNew<CChangePara>(type);
    registerNew<CChangeBeginTable>(CHCHANGE_BEGIN_TABLE);
    registerNew<CChangeEndTable>(CHCHANGE_END_TABLE);
    registerNew<CChangeRowFormat>(CHCHANGE_ROW_FORMAT);
    registerNew<CChangeCellFormat>(CHCHANGE_CELL_FORMAT);
    for (uint32_t type : {CHCHANGE_COLUMN_UNUSED_1, CHCHANGE_END_COLUMNS, CHCHANGE_BEGIN_COLUMNS, CHCHANGE_ADD_COLUMN,
                          CHCHANGE_COLUMNS_DONE, CHCHANGE_COLUMN_UNUSED_2})
        registerNew<CChangeColumn>(type);
    for (uint32_t type : {CHCHANGE_SIDE_MARGINS, CHCHANGE_PAGE_BORDERS, CHCHANGE_BINDING_WIDTH, CHCHANGE_PAGE_SIZE,
                          CHCHANGE_ORIENTATION, CHCHANGE_DOUBLE_SIDED, CHCHANGE_TOP_BOTTOM_MARGINS,
                          CHCHANGE_PAGE_UNUSED_1, CHCHANGE_SECTION_START, CHCHANGE_PAGE_UNUSED_2, CHCHANGE_BINDING_TYPE,
                          CHCHANGE_SUBDOCUMENT_SLOT, CHCHANGE_NOTE_AREA})
        registerNew<CChangePage>(type);
    for (uint32_t type : {CHCHANGE_HEADER_FOOTER, CHCHANGE_HEADER_UNUSED})
        registerNew<CChangeHeader>(type);
    registerNew<CChangeNote>(CHCHANGE_NOTE);
    registerNew<CChangeFrame>(CHCHANGE_FRAME);
    registerNew<CChangeSection>(CHCHANGE_SECTION);
    registerNew<CChangeBeginTag>(CHCHANGE_BEGIN_TAG, m_processor);
    registerNew<CChangeEndTag>(CHCHANGE_END_TAG);
}
