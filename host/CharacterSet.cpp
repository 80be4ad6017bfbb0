#include "host/CharacterSet.h"

#include "host/CodePageConverter.h"
#include "host/Cp720.h"

#include <atomic>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace trxhost {
namespace {

// Where the tables of a code page come from.
enum class Origin { Unicode, Library, Cp720, Symbol, LastResort };

struct Definition {
    uint32_t id;
    const char* name; // the key of the shared tables; an iconv name for Origin::Library
    Origin origin;
    bool doubleByte;
};

// The host character-set ids served. The two ids of code page 0 (a new
// string's default and "no code page") are read as Windows Western.
constexpr Definition kDefinitions[] = {
    {0x14B00000, "UTF-16", Origin::Unicode, false},
    {0x00030100, "CP1252", Origin::Library, false},
    {0x10000100, "CP1252", Origin::Library, false},
    {0x14E40100, "CP1252", Origin::Library, false},
    {0x14E20100, "CP1250", Origin::Library, false},
    {0x00080101, "ISO-8859-1", Origin::Library, false},
    {0x00080102, "ISO-8859-2", Origin::Library, false},
    {0x13520100, "CP850", Origin::Library, false},
    {0x13540100, "CP852", Origin::Library, false},
    {0x11B50100, "CP437", Origin::Library, false},
    {0x12D00100, "CP720", Origin::Cp720, false},
    {0x13A40000, "CP932", Origin::Library, true},
    {0x13A80000, "CP936", Origin::Library, true},
    {0x13B50000, "CP949", Origin::Library, true},
    {0x13B60000, "CP950", Origin::Library, true},
    {0x20000100, "symbol", Origin::Symbol, false},
    {0x80000100, "last resort", Origin::LastResort, false},
};

// Symbol fonts live in the private use block U+F000 to U+F0FF, one
// character per byte.
constexpr uint16_t kSymbolBlock = 0xF000;
constexpr uint16_t kAsciiEnd = 0x80;
constexpr uint16_t kDoubleByteStart = 0x8000;
constexpr uint16_t kReplacement = '?';

using Resolver = std::function<std::optional<uint16_t>(uint16_t character)>;

// Encoding table of a decoding table. Where several codes stand for one
// character, `resolve` (when given) picks the code; else the lowest wins.
std::vector<uint16_t> invert(const std::vector<uint16_t>& toUnicode, const Resolver& resolve)
{
    std::vector<uint16_t> fromUnicode(CharacterSet::kTableSize, CharacterSet::kNoCode);
    std::vector<uint16_t> shared;
    for (size_t code = 0; code < toUnicode.size(); ++code) {
        const uint16_t character = toUnicode[code];
        if (character == CharacterSet::kNoCode)
            continue;
        if (fromUnicode[character] == CharacterSet::kNoCode)
            fromUnicode[character] = static_cast<uint16_t>(code);
        else
            shared.push_back(character);
    }
    for (const uint16_t character : shared) {
        const std::optional<uint16_t> code = resolve ? resolve(character) : std::nullopt;
        if (code && *code < toUnicode.size() && toUnicode[*code] == character)
            fromUnicode[character] = *code;
    }
    return fromUnicode;
}

std::unique_ptr<CharacterSet> fromLibrary(const Definition& definition)
{
    const CodePageConverter converter(definition.name);
    if (!converter.isOpen())
        return nullptr;
    std::vector<uint16_t> toUnicode(
        definition.doubleByte ? CharacterSet::kTableSize : CharacterSet::kSingleByteTableSize, CharacterSet::kNoCode);
    for (size_t code = 0; code < toUnicode.size(); ++code) {
        const bool reachable = code < CharacterSet::kSingleByteTableSize || code >= kDoubleByteStart;
        if (reachable)
            toUnicode[code] = converter.decode(static_cast<uint16_t>(code)).value_or(CharacterSet::kNoCode);
    }
    auto resolve = [&converter](uint16_t character) { return converter.encode(character); };
    std::vector<uint16_t> fromUnicode = invert(toUnicode, resolve);
    return std::make_unique<CharacterSet>(std::move(toUnicode), std::move(fromUnicode));
}

// A single-byte page whose first `count` codes stand for `first` onwards and
// whose other codes are given by `upper` (or are holes when it is null).
std::vector<uint16_t> singleByteTable(uint16_t first, size_t count, const uint16_t* upper)
{
    std::vector<uint16_t> toUnicode(CharacterSet::kSingleByteTableSize, CharacterSet::kNoCode);
    for (size_t code = 0; code < toUnicode.size(); ++code) {
        if (code < count)
            toUnicode[code] = static_cast<uint16_t>(first + code);
        else if (upper)
            toUnicode[code] = upper[code - count];
    }
    return toUnicode;
}

std::unique_ptr<CharacterSet> fromTable(std::vector<uint16_t> toUnicode)
{
    std::vector<uint16_t> fromUnicode = invert(toUnicode, nullptr);
    return std::make_unique<CharacterSet>(std::move(toUnicode), std::move(fromUnicode));
}

// ASCII, with every other character written as '?': the set that holds
// everything, so that text can always be cut into runs of one set.
std::unique_ptr<CharacterSet> lastResort()
{
    std::vector<uint16_t> toUnicode = singleByteTable(0, kAsciiEnd, nullptr);
    std::vector<uint16_t> fromUnicode = invert(toUnicode, nullptr);
    for (uint16_t& code : fromUnicode) {
        if (code == CharacterSet::kNoCode)
            code = kReplacement;
    }
    return std::make_unique<CharacterSet>(std::move(toUnicode), std::move(fromUnicode));
}

std::unique_ptr<CharacterSet> build(const Definition& definition)
{
    switch (definition.origin) {
    case Origin::Unicode:
        return std::make_unique<CharacterSet>();
    case Origin::Library:
        return fromLibrary(definition);
    case Origin::Cp720:
        return fromTable(singleByteTable(0, kCp720FirstUpperCode, kCp720UpperHalf));
    case Origin::Symbol:
        return fromTable(singleByteTable(kSymbolBlock, CharacterSet::kSingleByteTableSize, nullptr));
    case Origin::LastResort:
        return lastResort();
    }
    return nullptr;
}

const Definition* definitionOf(uint32_t id)
{
    for (const Definition& definition : kDefinitions) {
        if (definition.id == id)
            return &definition;
    }
    return nullptr;
}

// The sets built so far, by name (ids of one code page share a set), and
// the answer for each definition once known. A known answer never changes,
// so it is read without the lock: a filter asks for the sets of every map
// it makes.
struct SetCache {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<CharacterSet>> sets;
    std::atomic<const CharacterSet*> known[std::size(kDefinitions)] = {};
};

SetCache& setCache()
{
    // Never destroyed: maps still held at process exit keep pointing at it.
    static SetCache* cache = new SetCache;
    return *cache;
}

} // namespace

const CharacterSet* CharacterSet::forId(uint32_t id)
{
    const Definition* definition = definitionOf(id);
    if (!definition)
        return nullptr;
    SetCache& cache = setCache();
    std::atomic<const CharacterSet*>& known = cache.known[definition - kDefinitions];
    if (const CharacterSet* set = known.load(std::memory_order_acquire))
        return set;
    std::lock_guard<std::mutex> lock(cache.mutex);
    std::unique_ptr<CharacterSet>& set = cache.sets[definition->name];
    if (!set)
        set = build(*definition);
    known.store(set.get(), std::memory_order_release);
    return set.get();
}

CharacterSet::CharacterSet() : unicode_(true)
{
}

CharacterSet::CharacterSet(std::vector<uint16_t> toUnicode, std::vector<uint16_t> fromUnicode)
    : unicode_(false), toUnicode_(std::move(toUnicode)), fromUnicode_(std::move(fromUnicode))
{
}

} // namespace trxhost
