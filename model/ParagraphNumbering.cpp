#include "model/ParagraphNumbering.h"

#include "model/NumberingLevelDefinition.h"
#include "model/StyleContent.h"

CNumberingLevelDefinition* CParagraphNumbering::getNumberingLevelDefinition() const
{
    if (m_level == 0 || !m_listStyle)
        return nullptr;
    for (CNumberingLevelDefinition* definition : m_listStyle->getNumberingLevelDefinitions()) {
        if (definition->getLevel() == m_level)
            return definition;
    }
    return nullptr;
}

bool CParagraphNumbering::operator==(const CParagraphNumbering& other) const
{
    return m_restart == other.m_restart && m_level == other.m_level && m_restartAt == other.m_restartAt &&
           m_listStyle == other.m_listStyle;
}
