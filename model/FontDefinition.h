// One font of the document: its id (as the source numbers fonts), the
// character set it is designed for and its name. Font definitions are shared
// by the font table and by every strand properties object that names them.
#pragma once

#include "model/CharacterString.h"
#include "model/ReferenceTracking.h"

#include <cstdint>
#include <optional>

class CFontDefinition : public CReferenceTracking {
public:
    CFontDefinition() = default;
    CFontDefinition(uint32_t id, const CCharacterString& name);
    CFontDefinition(const CFontDefinition&) = delete;
    CFontDefinition& operator=(const CFontDefinition&) = delete;

    void setID(uint32_t id) { m_id = id; }
    uint32_t getID() const { return m_id; }
    void setCharacterSet(uint32_t charSet) { m_charSet = charSet; }
    uint32_t getCharacterSet() const { return m_charSet; }
    void setName(const CCharacterString& name);
    CCharacterString& getName(CCharacterString& out) const { return out = m_name; }
    // Whether this is the symbol font: a name outside the double-byte sets
    // that reads "symbol" in any case once in Windows Western. Decided on
    // the first ask, which maps the name, and remembered until the name
    // changes.
    bool isSymbolFont() const;

    // Equal when character set, id and name agree; ordered by name.
    bool operator==(const CFontDefinition& other) const;
    bool operator!=(const CFontDefinition& other) const { return !(*this == other); }
    bool operator<(const CFontDefinition& other) const { return m_name < other.m_name; }

protected:
    // Destroyed by the release of its last reference only.
    ~CFontDefinition() override = default;

private:
    uint32_t m_id = 0;
    uint32_t m_charSet = 0;
    CCharacterString m_name;
    mutable std::optional<bool> m_symbolFont;
};
