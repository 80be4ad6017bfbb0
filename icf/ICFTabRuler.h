// A paragraph's tab stops as ICF writes them: "RUL" lists the stops with
// their kinds and leaders, "NTB" gives the first 40 of them as a map of
// 144-twip columns, a kind array and a leader array. A set with a default
// tab width is filled up with default stops to 40 stops first.
//
// The ruler works on its own copy of the tab set: filling and sorting it
// leaves the paragraph's tabs as they are.
#pragma once

#include "model/CountedReference.h"
#include "model/Offset.h"
#include "model/TabDefinitions.h"

#include <cstddef>
#include <cstdint>

class CICFWriter;

// Which stop locateTab takes when none stands exactly at the position.
enum ETabMatchType : int32_t {
    kTabMatchAtOrBefore = 0,
    kTabMatchAtOrAfter = 1,
};

class CICFTabRuler {
public:
    // The number of stops "NTB" describes, and that default stops fill a set up to.
    static constexpr size_t kMaxTabs = 40;

    // A ruler without a tab set writes nothing.
    explicit CICFTabRuler(CTabDefinitions* tabs);
    CICFTabRuler(const CICFTabRuler&) = delete;
    CICFTabRuler& operator=(const CICFTabRuler&) = delete;

    // Twips from the page edge; stops measured from the left margin are
    // placed on the column map with it.
    void setLeftMargin(uint32_t margin) { m_leftMargin = margin; }
    // "RUL" and "NTB"; nothing for a missing or empty set.
    void write(CICFWriter* writer);
    // The index, in position order, of the stop at `offset` or else of its
    // neighbour on the side `matchType` names; -1 when there is none.
    int32_t locateTab(const COffset& offset, ETabMatchType matchType);
    // Adds default stops every default tab width after the last stop until
    // the set holds kMaxTabs; nothing without a default tab width.
    void applyDefaultTabs();

private:
    bool isMeasuredFromLeftMargin() const;
    void writeRUL(CICFWriter* writer) const;
    void writeNTB(CICFWriter* writer) const;

    uint32_t m_leftMargin = 0;
    TCountedReference<CTabDefinitions> m_tabs;
};
