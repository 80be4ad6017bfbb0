// The properties of a section: how it starts, its page layout, columns and
// note areas, and its headers and footers.
#pragma once

#include "model/CountedReference.h"
#include "model/ReferenceTracking.h"

#include <cstdint>
#include <list>

class CColumnProperties;
class CNoteAreaProperties;
class CPageProperties;
class IHeaderFooterContent;

// Whether a section runs on from the previous one or starts a new page.
enum ESectionStart : uint32_t {
    kSectionStartContinuous = 0,
    kSectionStartNewPage = 2,
    kSectionStartNewOddPage = 3,
};

using HeaderFooterList = std::list<IHeaderFooterContent*>;

class ISectionProperties : public virtual IReferenceTracking {
public:
    virtual ESectionStart getSectionStartOn() const = 0;
    virtual void setSectionStartOn(ESectionStart start) = 0;
    // The four property objects are shared: each setter takes a reference
    // to the new object and drops the one to the old.
    virtual CColumnProperties* getColumnProperties() const = 0;
    virtual void setColumnProperties(CColumnProperties* properties) = 0;
    virtual CPageProperties* getPageProperties() const = 0;
    virtual void setPageProperties(CPageProperties* properties) = 0;
    virtual void setFootnoteProperties(CNoteAreaProperties* properties) = 0;
    virtual CNoteAreaProperties* getFootnoteProperties() const = 0;
    virtual void setEndnoteProperties(CNoteAreaProperties* properties) = 0;
    virtual CNoteAreaProperties* getEndnoteProperties() const = 0;
    // The lists own their headers and footers. Adding one marks it as a
    // footer or header; removing one hands it back to the caller.
    virtual void addFooter(IHeaderFooterContent* footer) = 0;
    virtual void addHeader(IHeaderFooterContent* header) = 0;
    virtual const HeaderFooterList& getFooterList() const = 0;
    virtual const HeaderFooterList& getHeaderList() const = 0;
    virtual void removeFooter(IHeaderFooterContent* footer) = 0;
    virtual void removeHeader(IHeaderFooterContent* header) = 0;
};

class CSectionProperties : public ISectionProperties, public CReferenceTracking {
public:
    CSectionProperties();
    // A copy has copies of the page, column and note area properties and
    // deep clones of the headers and footers, in order.
    CSectionProperties(const CSectionProperties& other);
    CSectionProperties& operator=(const CSectionProperties&) = delete;

    ESectionStart getSectionStartOn() const override { return m_sectionStart; }
    void setSectionStartOn(ESectionStart start) override { m_sectionStart = start; }
    CColumnProperties* getColumnProperties() const override { return m_columnProperties.get(); }
    void setColumnProperties(CColumnProperties* properties) override;
    CPageProperties* getPageProperties() const override { return m_pageProperties.get(); }
    void setPageProperties(CPageProperties* properties) override;
    void setFootnoteProperties(CNoteAreaProperties* properties) override;
    CNoteAreaProperties* getFootnoteProperties() const override { return m_footnoteProperties.get(); }
    void setEndnoteProperties(CNoteAreaProperties* properties) override;
    CNoteAreaProperties* getEndnoteProperties() const override { return m_endnoteProperties.get(); }
    void addFooter(IHeaderFooterContent* footer) override;
    void addHeader(IHeaderFooterContent* header) override;
    const HeaderFooterList& getFooterList() const override { return m_footers; }
    const HeaderFooterList& getHeaderList() const override { return m_headers; }
    void removeFooter(IHeaderFooterContent* footer) override { m_footers.remove(footer); }
    void removeHeader(IHeaderFooterContent* header) override { m_headers.remove(header); }

    // Destroy every header (footer) and empty the list.
    void clearHeaderList() { clear(m_headers); }
    void clearFooterList() { clear(m_footers); }

protected:
    ~CSectionProperties() override;

private:
    static void clear(HeaderFooterList& list);
    // Appends a deep clone of each entry of `from` with `add`.
    void cloneInto(const HeaderFooterList& from, void (CSectionProperties::*add)(IHeaderFooterContent*));

    ESectionStart m_sectionStart = kSectionStartContinuous;
    TCountedReference<CPageProperties> m_pageProperties;
    TCountedReference<CColumnProperties> m_columnProperties;
    TCountedReference<CNoteAreaProperties> m_footnoteProperties;
    TCountedReference<CNoteAreaProperties> m_endnoteProperties;
    HeaderFooterList m_headers;
    HeaderFooterList m_footers;
};
