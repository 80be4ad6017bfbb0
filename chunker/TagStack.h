// The open tags of the change list and the names of the named ones. Both
// live in the reader's state of the running export, so that every export
// starts with none.
#pragma once

#include "model/CharacterString.h"

#include <cstdint>
#include <list>
#include <memory>

// One open tag: its type and its id, as its begin-tag change gave them.
class CTypeIdPair {
public:
    CTypeIdPair() = default;
    CTypeIdPair(uint32_t type, uint32_t id) : m_type(type), m_id(id) {}

    void setTagType(uint32_t type) { m_type = type; }
    uint32_t getTagType() const { return m_type; }
    void setTagId(uint32_t id) { m_id = id; }
    uint32_t getTagId() const { return m_id; }

private:
    uint32_t m_type = 0;
    uint32_t m_id = 0;
};

// The name a tag was given at its begin, found again by its id and type at
// its end.
class CNameTypeIdTuple {
public:
    void setString(std::unique_ptr<CCharacterString> name) { m_name = std::move(name); }
    // Null until a name is given.
    const CCharacterString* getString() const { return m_name.get(); }
    void setTagId(uint32_t id) { m_id = id; }
    uint32_t getTagId() const { return m_id; }
    void setTagType(uint32_t type) { m_type = type; }
    uint32_t getTagType() const { return m_type; }

private:
    std::unique_ptr<CCharacterString> m_name;
    uint32_t m_id = 0;
    uint32_t m_type = 0;
};

// The top of the stack is its back.
using CTagStack = std::list<CTypeIdPair>;
using CTagList = std::list<std::unique_ptr<CNameTypeIdTuple>>;
