#include "model/SectionProperties.h"

#include "model/ColumnProperties.h"
#include "model/HeaderFooterNode.h"
#include "model/NoteAreaProperties.h"
#include "model/PageProperties.h"
#include "model/PendingNode.h"

namespace {

// A new copy of a shared property object, held with its initial
// reference; empty for none.
template <class T>
TCountedReference<T> copyOf(const T* properties)
{
    return properties ? makeCounted<T>(*properties) : TCountedReference<T>();
}

} // namespace

CSectionProperties::CSectionProperties() = default;

CSectionProperties::CSectionProperties(const CSectionProperties& other)
    : ISectionProperties(), CReferenceTracking(), m_sectionStart(other.m_sectionStart)
{
    m_pageProperties = copyOf(other.m_pageProperties.get());
    m_columnProperties = copyOf(other.m_columnProperties.get());
    m_footnoteProperties = copyOf(other.m_footnoteProperties.get());
    m_endnoteProperties = copyOf(other.m_endnoteProperties.get());
    // The destructor does not run when the constructor fails: the copies
    // made by then are released here.
    try {
        cloneInto(other.m_headers, &CSectionProperties::addHeader);
        cloneInto(other.m_footers, &CSectionProperties::addFooter);
    } catch (...) {
        clearHeaderList();
        clearFooterList();
        throw;
    }
}

CSectionProperties::~CSectionProperties()
{
    clearHeaderList();
    clearFooterList();
}

void CSectionProperties::setColumnProperties(CColumnProperties* properties)
{
    m_columnProperties.reset(properties);
}

void CSectionProperties::setPageProperties(CPageProperties* properties)
{
    m_pageProperties.reset(properties);
}

void CSectionProperties::setFootnoteProperties(CNoteAreaProperties* properties)
{
    m_footnoteProperties.reset(properties);
}

void CSectionProperties::setEndnoteProperties(CNoteAreaProperties* properties)
{
    m_endnoteProperties.reset(properties);
}

void CSectionProperties::addFooter(IHeaderFooterContent* footer)
{
    if (!footer)
        return;
    footer->setHeaderFooterType(kFooter);
    m_footers.push_back(footer);
}

void CSectionProperties::addHeader(IHeaderFooterContent* header)
{
    if (!header)
        return;
    header->setHeaderFooterType(kHeader);
    m_headers.push_back(header);
}

void CSectionProperties::clear(HeaderFooterList& list)
{
    // Each entry leaves the list before it is destroyed: its release tells
    // its parent section, which may look for it in this very list.
    while (!list.empty()) {
        IHeaderFooterContent* entry = list.front();
        list.pop_front();
        entry->getINode()->release();
    }
}

void CSectionProperties::cloneInto(const HeaderFooterList& from, void (CSectionProperties::*add)(IHeaderFooterContent*))
{
    for (IHeaderFooterContent* entry : from) {
        CPendingNode copy(entry->getINode()->clone(INode::kCloneWithChildren));
        (this->*add)(&dynamic_cast<IHeaderFooterContent&>(*copy.get()->getIContent()));
        copy.take();
    }
}
