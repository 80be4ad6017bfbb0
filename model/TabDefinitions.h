// Tab stops: one stop (CTabDefinition) and a paragraph's set of stops with
// its default tab width (CTabDefinitions). Both are reference-counted
// values.
#pragma once

#include "model/CharacterString.h"
#include "model/Offset.h"
#include "model/ReferenceTracking.h"

#include <cstdint>
#include <list>

enum ETabTypes : uint32_t {
    kTabLeft = 0,
    kTabCenter = 1,
    kTabRight = 2,
    kTabDecimal = 3,
    kTabBar = 4,
};

class CTabDefinition : public CReferenceTracking {
public:
    CTabDefinition() = default;
    CTabDefinition(const CTabDefinition&) = default;
    CTabDefinition& operator=(const CTabDefinition&) = default;
    ~CTabDefinition() override = default;

    void setOffset(uint32_t offset) { m_offset = offset; }
    uint32_t getOffset() const { return m_offset; }
    void setType(ETabTypes type) { m_type = type; }
    ETabTypes getType() const { return m_type; }
    void setLeader(const CCharacterString& leader) { m_leader = leader; }
    CCharacterString& getLeader(CCharacterString& out) const { return out = m_leader; }
    void setDecimalCharacter(const CCharacterString& character) { m_decimalCharacter = character; }
    CCharacterString& getDecimalCharacter(CCharacterString& out) const { return out = m_decimalCharacter; }

    // Stops are the same when offset, leader and type agree (the decimal
    // character does not count); they are ordered by offset.
    bool operator==(const CTabDefinition& other) const;
    bool operator!=(const CTabDefinition& other) const { return !(*this == other); }
    bool operator<(const CTabDefinition& other) const { return m_offset < other.m_offset; }
    bool operator>(const CTabDefinition& other) const { return m_offset > other.m_offset; }

private:
    uint32_t m_offset = 0;
    ETabTypes m_type = kTabLeft;
    CCharacterString m_leader;
    CCharacterString m_decimalCharacter;
};

using TabDefinitionList = std::list<CTabDefinition>;

class CTabDefinitions : public CReferenceTracking {
public:
    CTabDefinitions() = default;
    CTabDefinitions(const CTabDefinitions&) = default;
    CTabDefinitions& operator=(const CTabDefinitions&) = default;
    ~CTabDefinitions() override = default;

    void setOffsetType(EOffsetReference offsetType) { m_offsetType = offsetType; }
    EOffsetReference getOffsetType() const { return m_offsetType; }
    void setDefaultTabWidth(uint32_t width) { m_defaultTabWidth = width; }
    uint32_t getDefaultTabWidth() const { return m_defaultTabWidth; }
    // Appends a copy of the stop: no sorting, no check for duplicates.
    void addTabDefinition(const CTabDefinition& tab) { m_tabs.push_back(tab); }
    TabDefinitionList& getTabDefinitions() { return m_tabs; }
    const TabDefinitionList& getTabDefinitions() const { return m_tabs; }

    bool operator==(const CTabDefinitions& other) const;
    bool operator!=(const CTabDefinitions& other) const { return !(*this == other); }

private:
    EOffsetReference m_offsetType = kOffsetFromLeftMargin;
    uint32_t m_defaultTabWidth = 0;
    TabDefinitionList m_tabs;
};
