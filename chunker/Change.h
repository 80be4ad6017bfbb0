// A change record and the base of every change handler. A handler is also a
// list of the chunk's data records, which it reads by element id.
#pragma once

#include "chunker/ItemLists.h"

#include <cstdint>

class INode;

class CChange : public CBinaryList {
public:
    CChange() = default;
    CChange(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3)
        : m_type(type), m_value1(value1), m_value2(value2), m_value3(value3)
    {
    }

    virtual uint32_t getValue1() { return m_value1; }
    virtual uint32_t getValue2() { return m_value2; }
    virtual uint32_t getValue3() { return m_value3; }
    // Edits the tree around the current node and may move it; a result
    // other than 0 ends reading.
    virtual uint32_t process(INode*& current);

    uint32_t getChangeType() const { return m_type; }
    void setChange(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3);

protected:
    // The host's item record of a change: it is read straight into these.
    uint32_t m_type = 0;
    uint32_t m_value1 = 0;
    uint32_t m_value2 = 0;
    uint32_t m_value3 = 0;
};
