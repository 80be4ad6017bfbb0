// The column layout of a section: where the columns start, whether their
// lengths are balanced, and each column's width and gutter.
#pragma once

#include "model/Dimension.h"
#include "model/Offset.h"
#include "model/ReferenceTracking.h"

#include <vector>

class CColumnDefinition {
public:
    CColumnDefinition() = default;
    CColumnDefinition(const CDimension& width, const CDimension& gutter) : m_width(width), m_gutter(gutter) {}
    virtual ~CColumnDefinition() = default;
    CColumnDefinition(const CColumnDefinition&) = default;
    CColumnDefinition& operator=(const CColumnDefinition&) = default;

    void setWidth(const CDimension& width) { m_width = width; }
    CDimension& getWidth(CDimension& out) const { return out = m_width; }
    // The space after the column, before the next one.
    void setGutter(const CDimension& gutter) { m_gutter = gutter; }
    CDimension& getGutter(CDimension& out) const { return out = m_gutter; }

    bool operator==(const CColumnDefinition& other) const;
    bool operator!=(const CColumnDefinition& other) const { return !(*this == other); }
    // By width, then by gutter (lengths compare by value).
    bool operator<(const CColumnDefinition& other) const;

private:
    CDimension m_width;
    CDimension m_gutter;
};

using ColumnDefinitionList = std::vector<CColumnDefinition>;

class CColumnProperties : public CReferenceTracking {
public:
    CColumnProperties() = default;
    CColumnProperties(const CColumnProperties& other);
    CColumnProperties& operator=(const CColumnProperties&) = delete;

    void setLeftOffset(const COffset& offset) { m_leftOffset = offset; }
    COffset& getLeftOffset(COffset& out) const { return out = m_leftOffset; }
    void setBalanced(bool balanced) { m_balanced = balanced; }
    bool isBalanced() const { return m_balanced; }
    // Appends a copy of the definition: columns are kept in page order.
    void addColumnDefinition(const CColumnDefinition& definition) { m_columns.push_back(definition); }
    const ColumnDefinitionList& getColumnDefinitionList() const { return m_columns; }

protected:
    ~CColumnProperties() override = default;

private:
    COffset m_leftOffset;
    bool m_balanced = false;
    ColumnDefinitionList m_columns;
};
