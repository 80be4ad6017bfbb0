// How one level of a list is numbered: where it starts, its step, the
// number styles that make up its number, and its indents and tab.
#pragma once

#include "model/CountedList.h"
#include "model/CountedReference.h"
#include "model/NumberingStyle.h"
#include "model/ParagraphValues.h"
#include "model/ReferenceTracking.h"
#include "model/TabDefinitions.h"

#include <cstdint>
#include <memory>

using NumberingStyleList = TCountedList<CNumberingStyle>::List;

class CNumberingLevelDefinition : public CReferenceTracking {
public:
    CNumberingLevelDefinition() = default;
    CNumberingLevelDefinition(const CNumberingLevelDefinition&) = delete;
    CNumberingLevelDefinition& operator=(const CNumberingLevelDefinition&) = delete;

    void setStartAtNumber(uint16_t number) { m_startAt = number; }
    uint16_t getStartAtNumber() const { return m_startAt; }
    void setCountBy(uint16_t step) { m_countBy = step; }
    uint16_t getCountBy() const { return m_countBy; }
    void setLevel(uint32_t level) { m_level = level; }
    uint32_t getLevel() const { return m_level; }

    // Appends the style and takes a reference to it; null is ignored.
    void addNumberingStyle(CNumberingStyle* style) { m_styles.add(style); }
    // Removes the style and drops the definition's reference to it.
    void removeNumberingStyle(CNumberingStyle* style) { m_styles.remove(style); }
    const NumberingStyleList& getNumberingStyles() const { return m_styles.get(); }

    // The indents of paragraphs numbered at this level; the definition holds
    // a reference.
    void setIndents(CIndents* indents) { m_indents.reset(indents); }
    CIndents* getIndents() const { return m_indents.get(); }

    // The definition keeps its own copy of the tab; null when it has none.
    void setTab(const CTabDefinition& tab) { m_tab = std::make_unique<CTabDefinition>(tab); }
    CTabDefinition* getTab() const { return m_tab.get(); }
    void removeTab() { m_tab.reset(); }

protected:
    // Ends with the release of its last reference.
    ~CNumberingLevelDefinition() override = default;

private:
    uint16_t m_startAt = 1;
    uint16_t m_countBy = 1;
    uint32_t m_level = 0;
    TCountedList<CNumberingStyle> m_styles;
    TCountedReference<CIndents> m_indents;
    std::unique_ptr<CTabDefinition> m_tab;
};
