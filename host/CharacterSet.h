// A host character set: the code page behind a host character-set id, with
// lookup tables in both directions. Tables are built once per code page, on
// first use, and kept for the life of the process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace trxhost {

class CharacterSet {
public:
    // The set an id stands for; null for an id the host does not know or a
    // code page the C library cannot provide. Ids of one code page share a set.
    static const CharacterSet* forId(uint32_t id);

    // Unicode itself: every 16-bit unit stands for itself.
    CharacterSet();
    // A code page given by its decoding table (indexed by code, 256 entries
    // for a single-byte page, 65536 for a double-byte one) and its encoding
    // table (indexed by character); kNoCode marks holes in both.
    CharacterSet(std::vector<uint16_t> toUnicode, std::vector<uint16_t> fromUnicode);

    // The Unicode character of a code of the set. Defined here, as the
    // other lookups, because character maps ask them for every character.
    std::optional<uint16_t> toUnicode(uint16_t code) const
    {
        if (unicode_)
            return code;
        if (code >= toUnicode_.size() || toUnicode_[code] == kNoCode)
            return std::nullopt;
        return toUnicode_[code];
    }

    // The code of a Unicode character in the set.
    std::optional<uint16_t> fromUnicode(uint16_t character) const
    {
        if (unicode_)
            return character;
        const uint16_t code = fromUnicode_[character];
        if (code == kNoCode)
            return std::nullopt;
        return code;
    }

    // Whether the value lies in the set's code range (a byte for a
    // single-byte set), assigned or not.
    bool holdsCode(uint16_t code) const { return unicode_ || code < toUnicode_.size(); }

    // No code page assigns U+FFFF, nor holds a code 0xFFFF (0xFF is never a
    // lead byte), so the value marks holes in the tables.
    static constexpr uint16_t kNoCode = 0xFFFF;
    static constexpr size_t kTableSize = 0x10000;
    static constexpr size_t kSingleByteTableSize = 0x100;

private:
    bool unicode_;
    std::vector<uint16_t> toUnicode_;
    std::vector<uint16_t> fromUnicode_;
};

} // namespace trxhost
