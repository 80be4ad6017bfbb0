// Tables: a table node's children are its rows, a row's children are its
// cells, a cell's children are the cell's paragraphs. Each level carries the
// formatting the reader takes from the row and cell format records.
#pragma once

#include "model/Borders.h"
#include "model/ContentNode.h"
#include "model/Dimension.h"
#include "model/Offset.h"
#include "model/Shading.h"

#include <cstdint>

enum ETableHorizontalAlignment : uint32_t {
    kTableAlignDefault = 0,
    kTableAlignLeft = 1,
    kTableAlignCenter = 2,
    kTableAlignRight = 3,
};

// Vertical alignment of a cell's content.
enum EVerticalAlignment : uint32_t {
    kVerticalAlignTop = 0,
    kVerticalAlignBottom = 1,
    kVerticalAlignCenter = 2,
};

// Whether a cell is merged with its neighbours in the row.
enum EMergeHorizontal : uint32_t {
    kNoHorizontalMerge = 0,
    kMergedWithCellBefore = 1,
    kMergedWithCellAfter = 2,
    kMergedWithCellsBeforeAndAfter = 3,
};

// Whether a cell is merged with the cells above and below it.
enum EMergeVertical : uint32_t {
    kNoVerticalMerge = 0,
    kMergedWithCellAbove = 1,
    kMergedWithCellBelow = 2,
    kMergedWithCellsAboveAndBelow = 3,
};

class ITableContent : public IContent {
public:
    virtual void setHorizontalAlignment(ETableHorizontalAlignment alignment) = 0;
    virtual ETableHorizontalAlignment getHorizontalAlignment() const = 0;
    virtual void setBorders(const CGridBorders& borders) = 0;
    virtual CGridBorders& getBorders(CGridBorders& out) const = 0;
    virtual void setShading(const CShading& shading) = 0;
    virtual CShading& getShading(CShading& out) const = 0;
};

class CTableNode : public ITableContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTableNode;

    CTableNode();

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setHorizontalAlignment(ETableHorizontalAlignment alignment) override { m_horizontalAlignment = alignment; }
    ETableHorizontalAlignment getHorizontalAlignment() const override { return m_horizontalAlignment; }
    void setBorders(const CGridBorders& borders) override { m_borders = borders; }
    CGridBorders& getBorders(CGridBorders& out) const override { return out = m_borders; }
    void setShading(const CShading& shading) override { m_shading = shading; }
    CShading& getShading(CShading& out) const override { return out = m_shading; }

    void copyAttributes(const CTableNode& other);

private:
    ETableHorizontalAlignment m_horizontalAlignment = kTableAlignDefault;
    CGridBorders m_borders;
    CShading m_shading;
};

class ITableRowContent : public IContent {
public:
    ITableRowContent* getTableRowContent() final { return this; }
    // A header row is repeated at the top of each page the table spans.
    virtual void setHeaderState(bool header) = 0;
    virtual bool isHeader() const = 0;
    // Whether the row may break across pages.
    virtual void setSplitState(bool canSplit) = 0;
    virtual bool canSplit() const = 0;
    virtual void setHorizontalAlignment(ETableHorizontalAlignment alignment) = 0;
    virtual ETableHorizontalAlignment getHorizontalAlignment() const = 0;
    virtual void setHeight(const CDimension& height) = 0;
    virtual CDimension& getHeight(CDimension& out) const = 0;
    // Where the row's first cell starts.
    virtual void setLeft(const COffset& left) = 0;
    virtual COffset& getLeft(COffset& out) const = 0;
};

class CTableRowNode : public ITableRowContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTableRowNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setHeaderState(bool header) override { m_header = header; }
    bool isHeader() const override { return m_header; }
    void setSplitState(bool canSplit) override { m_canSplit = canSplit; }
    bool canSplit() const override { return m_canSplit; }
    void setHorizontalAlignment(ETableHorizontalAlignment alignment) override { m_horizontalAlignment = alignment; }
    ETableHorizontalAlignment getHorizontalAlignment() const override { return m_horizontalAlignment; }
    void setHeight(const CDimension& height) override { m_height = height; }
    CDimension& getHeight(CDimension& out) const override { return out = m_height; }
    void setLeft(const COffset& left) override { m_left = left; }
    COffset& getLeft(COffset& out) const override { return out = m_left; }

    void copyAttributes(const CTableRowNode& other);

private:
    bool m_header = false;
    bool m_canSplit = true;
    ETableHorizontalAlignment m_horizontalAlignment = kTableAlignDefault;
    CDimension m_height;
    COffset m_left;
};

class ITableCellContent : public IContent {
public:
    ITableCellContent* getTableCellContent() final { return this; }
    virtual void setVerticalAlignment(EVerticalAlignment alignment) = 0;
    virtual EVerticalAlignment getVerticalAlignment() const = 0;
    virtual void setMergeHorizontal(EMergeHorizontal merge) = 0;
    virtual EMergeHorizontal getMergeHorizontal() const = 0;
    virtual void setMergeVertical(EMergeVertical merge) = 0;
    virtual EMergeVertical getMergeVertical() const = 0;
    virtual void setWidth(const CDimension& width) = 0;
    virtual CDimension& getWidth(CDimension& out) const = 0;
    virtual void setLeftGutter(const CDimension& gutter) = 0;
    virtual CDimension& getLeftGutter(CDimension& out) const = 0;
    virtual void setRightGutter(const CDimension& gutter) = 0;
    virtual CDimension& getRightGutter(CDimension& out) const = 0;
    virtual void setBorders(const CRectangularBorders& borders) = 0;
    virtual CRectangularBorders& getBorders(CRectangularBorders& out) const = 0;
    virtual void setShading(const CShading& shading) = 0;
    virtual CShading& getShading(CShading& out) const = 0;
};

class CTableCellNode : public ITableCellContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTableCellNode;

    CTableCellNode();

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setVerticalAlignment(EVerticalAlignment alignment) override { m_verticalAlignment = alignment; }
    EVerticalAlignment getVerticalAlignment() const override { return m_verticalAlignment; }
    void setMergeHorizontal(EMergeHorizontal merge) override { m_mergeHorizontal = merge; }
    EMergeHorizontal getMergeHorizontal() const override { return m_mergeHorizontal; }
    void setMergeVertical(EMergeVertical merge) override { m_mergeVertical = merge; }
    EMergeVertical getMergeVertical() const override { return m_mergeVertical; }
    void setWidth(const CDimension& width) override { m_width = width; }
    CDimension& getWidth(CDimension& out) const override { return out = m_width; }
    void setLeftGutter(const CDimension& gutter) override { m_leftGutter = gutter; }
    CDimension& getLeftGutter(CDimension& out) const override { return out = m_leftGutter; }
    void setRightGutter(const CDimension& gutter) override { m_rightGutter = gutter; }
    CDimension& getRightGutter(CDimension& out) const override { return out = m_rightGutter; }
    void setBorders(const CRectangularBorders& borders) override { m_borders = borders; }
    CRectangularBorders& getBorders(CRectangularBorders& out) const override { return out = m_borders; }
    void setShading(const CShading& shading) override { m_shading = shading; }
    CShading& getShading(CShading& out) const override { return out = m_shading; }

    void copyAttributes(const CTableCellNode& other);

private:
    EVerticalAlignment m_verticalAlignment = kVerticalAlignTop;
    EMergeHorizontal m_mergeHorizontal = kNoHorizontalMerge;
    EMergeVertical m_mergeVertical = kNoVerticalMerge;
    CDimension m_width;
    CDimension m_leftGutter;
    CDimension m_rightGutter;
    CRectangularBorders m_borders;
    CShading m_shading;
};
