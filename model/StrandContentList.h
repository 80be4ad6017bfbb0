// An ordered list of strands kept outside the tree (the text around a list
// number, a note's reference mark). The list owns its strands: it releases
// those it still holds when it is destroyed.
#pragma once

#include "model/StrandContent.h"

#include <cstddef>
#include <list>

class CStrandContentList {
public:
    using const_iterator = std::list<IStrandContent*>::const_iterator;

    CStrandContentList() = default;
    ~CStrandContentList();
    // Two lists never own the same strand; copy strands with cloneStrands.
    CStrandContentList(const CStrandContentList&) = delete;
    CStrandContentList& operator=(const CStrandContentList&) = delete;

    // Appends the strand, which the list owns from then on. Null is ignored.
    void add(IStrandContent* strand);
    // Takes every occurrence of the strand out of the list and hands it back
    // to the caller, unreleased.
    void remove(IStrandContent* strand);
    // Appends a copy (clone without children) of each strand of `source`,
    // in order.
    void cloneStrands(const CStrandContentList& source);
    // Releases every strand held and empties the list.
    void releaseStrands();

    const_iterator begin() const { return m_strands.begin(); }
    const_iterator end() const { return m_strands.end(); }
    bool empty() const { return m_strands.empty(); }
    std::size_t size() const { return m_strands.size(); }

private:
    std::list<IStrandContent*> m_strands;
};
