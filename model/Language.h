// A language and sublanguage pair.
#pragma once

#include <cstdint>

class CLanguage {
public:
    CLanguage() = default;
    CLanguage(uint16_t language, uint16_t sublanguage) : m_language(language), m_sublanguage(sublanguage) {}
    virtual ~CLanguage() = default;
    CLanguage(const CLanguage&) = default;
    CLanguage& operator=(const CLanguage&) = default;

    void setLanguage(uint16_t language) { m_language = language; }
    uint16_t getLanguage() const { return m_language; }
    void setSublanguage(uint16_t sublanguage) { m_sublanguage = sublanguage; }
    uint16_t getSublanguage() const { return m_sublanguage; }

    // The Windows language identifier: the sublanguage above the low 10
    // bits that hold the language.
    uint16_t getMSWinComposite() const;

    bool operator==(const CLanguage& other) const;
    bool operator!=(const CLanguage& other) const { return !(*this == other); }

private:
    uint16_t m_language = 0;
    uint16_t m_sublanguage = 0;
};
