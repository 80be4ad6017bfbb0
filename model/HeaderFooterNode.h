// A header or footer of a section. Its children are its paragraphs; the
// section properties list it among the section's headers or footers.
#pragma once

#include "model/ContentNode.h"
#include "model/Dimension.h"

#include <cstdint>

enum EHeaderFooterType : uint32_t {
    kHeader = 0,
    kFooter = 1,
};

// The pages a header or footer appears on; the "with first" kinds also
// concern the first page of the section.
enum EHeaderFooterPageAppearance : uint32_t {
    kAllPages = 0,
    kPagesNotGiven = 1,
    kOddPages = 2,
    kEvenPages = 3,
    kAllPagesWithFirst = 4,
    kOddPagesWithFirst = 5,
    kEvenPagesWithFirst = 6,
};

class IHeaderFooterContent : public IContent {
public:
    virtual void setPageAppearance(EHeaderFooterPageAppearance appearance) = 0;
    virtual EHeaderFooterPageAppearance getPageAppearance() const = 0;
    // The distance between the page edge and the header or footer.
    virtual void setOutsideSpace(const CDimension& space) = 0;
    virtual CDimension& getOutsideSpace(CDimension& out) const = 0;
    virtual void setHeaderFooterType(EHeaderFooterType type) = 0;
    virtual EHeaderFooterType getHeaderFooterType() const = 0;
};

class CHeaderFooterNode : public IHeaderFooterContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kHeaderFooterNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setPageAppearance(EHeaderFooterPageAppearance appearance) override { m_pageAppearance = appearance; }
    EHeaderFooterPageAppearance getPageAppearance() const override { return m_pageAppearance; }
    void setOutsideSpace(const CDimension& space) override { m_outsideSpace = space; }
    CDimension& getOutsideSpace(CDimension& out) const override { return out = m_outsideSpace; }
    void setHeaderFooterType(EHeaderFooterType type) override { m_type = type; }
    EHeaderFooterType getHeaderFooterType() const override { return m_type; }

    // Takes over page appearance, outside space and type of `other`.
    void copyAttributes(const CHeaderFooterNode& other);

private:
    EHeaderFooterPageAppearance m_pageAppearance = kAllPages;
    CDimension m_outsideSpace;
    EHeaderFooterType m_type = kHeader;
};
