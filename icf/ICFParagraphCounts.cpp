#include "icf/ICFParagraphCounts.h"

void CICFParagraphCounts::setStartingNumberForLevel(uint32_t level, uint32_t number)
{
    if (!isKept(level))
        return;
    m_levels[level].start = number;
    m_levels[level].count = number;
}

void CICFParagraphCounts::incrementLevel(uint32_t level, uint32_t by)
{
    if (!isKept(level))
        return;
    if (m_levels[level].set) {
        m_levels[level].count += by;
        resetHigherLevels(level);
    }
    markLevelsAsSet(level);
}

void CICFParagraphCounts::setLevel(uint32_t level, uint32_t number)
{
    if (!isKept(level))
        return;
    m_levels[level].count = number;
    markLevelsAsSet(level);
    resetHigherLevels(level);
}

uint32_t CICFParagraphCounts::getParagraphCount(uint32_t level) const
{
    return isKept(level) ? m_levels[level].count : 0;
}

bool CICFParagraphCounts::isParagraphCountSet(uint32_t level) const
{
    return isKept(level) && m_levels[level].set;
}

void CICFParagraphCounts::resetHigherLevels(uint32_t level)
{
    if (!isKept(level))
        return;
    for (uint32_t higher = level + 1; higher < kLevels; ++higher) {
        m_levels[higher].count = m_levels[higher].start;
        m_levels[higher].set = false;
    }
}

void CICFParagraphCounts::markLevelsAsSet(uint32_t level)
{
    if (!isKept(level))
        return;
    for (uint32_t lower = 0; lower <= level; ++lower)
        m_levels[lower].set = true;
}
