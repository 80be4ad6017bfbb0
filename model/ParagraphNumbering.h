// The numbering of a paragraph: the list style it belongs to, its level in
// that list and whether the count restarts at this paragraph.
#pragma once

#include "model/ReferenceTracking.h"

#include <cstdint>

class CNumberingLevelDefinition;
class IListStyleContent;

class CParagraphNumbering : public CReferenceTracking {
public:
    CParagraphNumbering() = default;
    CParagraphNumbering(const CParagraphNumbering&) = default;
    CParagraphNumbering& operator=(const CParagraphNumbering&) = default;
    ~CParagraphNumbering() override = default;

    // Level 0 means the paragraph is not numbered at any level.
    void setLevel(uint32_t level) { m_level = level; }
    uint32_t getLevel() const { return m_level; }
    void setRestartNumberingAt(uint32_t number) { m_restartAt = number; }
    uint32_t getRestartNumberingAt() const { return m_restartAt; }
    void setRestartNumbering(bool restart) { m_restart = restart; }
    bool isRestartNumberingOn() const { return m_restart; }
    // The list style is not owned: it belongs to the style table.
    void setListStyle(IListStyleContent* listStyle) { m_listStyle = listStyle; }
    IListStyleContent* getListStyle() const { return m_listStyle; }

    // The list style's first definition for this numbering's level; null for
    // level 0, without a list style, or when the list has none for the level.
    CNumberingLevelDefinition* getNumberingLevelDefinition() const;

    bool operator==(const CParagraphNumbering& other) const;
    bool operator!=(const CParagraphNumbering& other) const { return !(*this == other); }

private:
    uint32_t m_level = 0;
    uint32_t m_restartAt = 0;
    bool m_restart = false;
    IListStyleContent* m_listStyle = nullptr;
};
