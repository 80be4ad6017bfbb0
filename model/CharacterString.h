// Text of 8-bit or 16-bit characters tagged with the host character set it
// is in. Conversions to other sets go through host character maps.
#pragma once

#include "model/CharacterSets.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

class CCharacterString {
public:
    // Capacity of an output list (the targets of one host map request).
    static constexpr uint32_t kMaxOutputCharSets = 25;

    CCharacterString() = default;
    CCharacterString(const CCharacterString& other);
    // A character set of 0 keeps the default set.
    CCharacterString(const std::string& text, uint32_t charSet);
    CCharacterString(const char* text, uint32_t charSet);
    CCharacterString(const uint16_t* text, uint32_t charSet);
    virtual ~CCharacterString() = default;
    CCharacterString& operator=(const CCharacterString& other);

    // 16-bit text: a non-zero charSet becomes the string's set; with 0 the
    // set is kept, except that the default set becomes Unicode. The
    // zero-terminated forms stop at the first zero; a null text is empty.
    void setString(const uint16_t* text, uint32_t charSet);
    void setString(const uint16_t* text, uint32_t count, uint32_t charSet);
    // 8-bit text: a non-zero charSet becomes the string's set; with 0 it is kept.
    void setString(const char* text, uint32_t charSet);
    void setString(const char* text, uint32_t count, uint32_t charSet);
    void setString(const std::string& text, uint32_t charSet);

    // The text in `targetCharSet`, 0 meaning the string's own set for wide
    // text into a 16-bit buffer, and for 8-bit text into an 8-bit buffer.
    // Otherwise each character is mapped, to Unicode for 16-bit buffers and
    // to Windows Western for 8-bit ones when no target is given. A buffer of
    // `size` units receives at most size - 1 of them and a terminating zero;
    // a double-byte code (two bytes, lead byte first) is never cut in half.
    void getString(uint16_t* buffer, uint32_t size, uint32_t targetCharSet = 0) const;
    void getString(char* buffer, uint32_t size, uint32_t targetCharSet = 0) const;
    void getString(std::string& out, uint32_t targetCharSet = 0) const;
    std::string getString(uint32_t targetCharSet = 0) const;

    // Length in characters: bytes for 8-bit text, units for 16-bit text.
    uint32_t getLength() const { return m_wide ? m_length / sizeof(uint16_t) : m_length; }
    // The character at `index` (a byte or a 16-bit unit); 0 past the end.
    // Inline: text is mapped a character at a time.
    uint16_t getCharacterAt(uint32_t index) const
    {
        if (index >= getLength())
            return 0;
        if (!m_wide)
            return m_data[index];
        uint16_t unit = 0;
        std::memcpy(&unit, m_data.get() + index * sizeof(uint16_t), sizeof unit);
        return unit;
    }
    bool isWideString() const { return m_wide; }
    // Whether the set is one of the four double-byte code pages.
    bool isMBC() const { return isMultibyteCharSet(m_charSet); }

    void setCharacterSet(uint32_t charSet) { m_charSet = charSet; }
    uint32_t getCharacterSet() const { return m_charSet; }
    // The code page of the character set: its number, 8591 to 8599 (or
    // 8859) for ISO 8859, 9998 symbol, 9999 last resort, 0 for none.
    short getCodePage() const;
    // Picks the set of a known code page; an unknown one gives the default set.
    void setCodePage(short codePage);
    void setWideStringDefaultCharacterSet(uint32_t charSet) { m_wideDefault = charSet; }
    uint32_t getWideStringDefaultCharacterSet() const { return m_wideDefault; }

    // The sets a wide string may be cut into for output, in order of
    // preference, built from the wide-string default set. `list` holds
    // kMaxOutputCharSets entries; `count` receives the number used.
    void setUpOutputCharSets(uint32_t& count, uint32_t* list, bool withMultibyte) const;
    // Appends the wide-string default set if it is a double-byte one.
    void addMBCSsToOutputList(uint32_t& count, uint32_t* list) const;
    // Appends `charSet` unless the list is full or already holds it.
    static void addCharSetToOutputList(uint32_t& count, uint32_t* list, uint32_t charSet);
    static bool findCharSetInOutputList(uint32_t count, const uint32_t* list, uint32_t charSet);

    // Comparisons look at the bytes only, not the set: a shorter string is
    // less; at equal length the first differing byte decides, as a signed
    // byte. Strings of equal length of which one has no buffer are equal.
    bool operator==(const CCharacterString& other) const { return compare(other) == 0; }
    bool operator!=(const CCharacterString& other) const { return compare(other) != 0; }
    bool operator<(const CCharacterString& other) const { return compare(other) < 0; }
    bool operator>(const CCharacterString& other) const { return compare(other) > 0; }
    bool operator<=(const CCharacterString& other) const { return compare(other) <= 0; }
    bool operator>=(const CCharacterString& other) const { return compare(other) >= 0; }

private:
    static bool isMultibyteCharSet(uint32_t charSet);
    void storeCharacters(const void* text, uint32_t count, uint32_t unitSize);
    uint32_t sourceCharSet() const;
    std::string narrowString(uint32_t targetCharSet, uint32_t limit) const;
    std::string mapToBytes(uint32_t targetCharSet, uint32_t limit) const;
    int compare(const CCharacterString& other) const;

    uint32_t m_charSet = kCharSetDefault;
    uint32_t m_wideDefault = 0;
    uint32_t m_capacity = 0;
    uint32_t m_length = 0; // in bytes
    std::unique_ptr<unsigned char[]> m_data;
    bool m_wide = false;
};
