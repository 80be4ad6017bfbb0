#include "model/CharacterString.h"

#include "core/ExportContext.h"
#include "model/StringUtil.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// The byte length and the capacity are 32-bit and leave room for a
// terminator: longer text is cut.
constexpr uint64_t kMaxTextBytes = 0xFFFFFFF0u;
constexpr uint32_t kNoLimit = std::numeric_limits<uint32_t>::max();

struct SCodePageCharSet {
    short codePage;
    uint32_t charSet;
};

// The sets setCodePage picks.
constexpr SCodePageCharSet kCodePageCharSets[] = {
    {kCodePageNone, kCharSetNoCodePage}, {kCodePage437, kCharSetCp437},       {kCodePage720, kCharSetCp720},
    {kCodePage932, kCharSetCp932},       {kCodePage936, kCharSetCp936},       {kCodePage949, kCharSetCp949},
    {kCodePage950, kCharSetCp950},       {kCodePageUnicode, kCharSetUnicode}, {kCodePage1252, kCharSetCp1252},
    {kCodePageSymbol, kCharSetSymbol},
};

constexpr uint32_t kMultibyteCharSets[] = {kCharSetCp932, kCharSetCp936, kCharSetCp949, kCharSetCp950};

// The output sets after the preferred ones, in order.
constexpr uint32_t kFallbackOutputCharSets[] = {
    kCharSetCp1250, kCharSetIso8859_1, kCharSetIso8859_2, kCharSetCp850,
    kCharSetCp852,  kCharSetCp437,     kCharSetSymbol,    kCharSetLastResort,
};

// ISO 8859 parts with their own code page number.
constexpr uint32_t kFirstNumberedIsoPart = 1;
constexpr uint32_t kLastNumberedIsoPart = 9;

uint32_t countUntilZero(const uint16_t* text)
{
    uint32_t count = 0;
    while (text && text[count] != 0)
        ++count;
    return count;
}

SCharMapRequest singleTargetRequest(uint32_t source, uint32_t target)
{
    SCharMapRequest request;
    request.sourceCharSet = source;
    request.targetCount = 1;
    request.targetCharSets[0] = target;
    return request;
}

short isoCodePage(uint32_t part)
{
    if (part >= kFirstNumberedIsoPart && part <= kLastNumberedIsoPart)
        return static_cast<short>(kCodePageIso8859Base + part);
    return kCodePageIso8859Other;
}

static_assert(CCharacterString::kMaxOutputCharSets == kMaxCharMapTargets,
              "an output list is the target list of one map request");

} // namespace

CCharacterString::CCharacterString(const CCharacterString& other)
{
    *this = other;
}

CCharacterString::CCharacterString(const std::string& text, uint32_t charSet)
{
    setString(text, charSet);
}

CCharacterString::CCharacterString(const char* text, uint32_t charSet)
{
    setString(text, charSet);
}

CCharacterString::CCharacterString(const uint16_t* text, uint32_t charSet)
{
    setString(text, charSet);
}

// The copy gets a buffer of exactly its length and two zero bytes.
CCharacterString& CCharacterString::operator=(const CCharacterString& other)
{
    if (this == &other)
        return *this;
    m_charSet = other.m_charSet;
    m_wideDefault = other.m_wideDefault;
    m_length = other.m_length;
    m_wide = other.m_wide;
    m_capacity = m_length + 2;
    m_data.reset(new unsigned char[m_capacity]());
    if (other.m_data)
        std::memcpy(m_data.get(), other.m_data.get(), m_length);
    return *this;
}

void CCharacterString::setString(const uint16_t* text, uint32_t charSet)
{
    setString(text, countUntilZero(text), charSet);
}

void CCharacterString::setString(const uint16_t* text, uint32_t count, uint32_t charSet)
{
    if (charSet != 0)
        m_charSet = charSet;
    else if (m_charSet == kCharSetDefault)
        m_charSet = kCharSetUnicode;
    m_wide = true;
    storeCharacters(text, count, sizeof(uint16_t));
}

void CCharacterString::setString(const char* text, uint32_t charSet)
{
    setString(text, text ? static_cast<uint32_t>(std::strlen(text)) : 0, charSet);
}

void CCharacterString::setString(const char* text, uint32_t count, uint32_t charSet)
{
    if (charSet != 0)
        m_charSet = charSet;
    m_wide = false;
    storeCharacters(text, count, 1);
}

void CCharacterString::setString(const std::string& text, uint32_t charSet)
{
    setString(text.data(), static_cast<uint32_t>(std::min<size_t>(text.size(), kMaxTextBytes)), charSet);
}

// Copies `count` characters of `unitSize` bytes and a zero character. The
// buffer grows to exactly what is needed and never shrinks; empty text
// frees it.
void CCharacterString::storeCharacters(const void* text, uint32_t count, uint32_t unitSize)
{
    if (count == 0 || !text) {
        m_data.reset();
        m_capacity = 0;
        m_length = 0;
        return;
    }
    const uint32_t bytes = static_cast<uint32_t>(std::min<uint64_t>(uint64_t{count} * unitSize, kMaxTextBytes));
    const uint32_t needed = bytes + unitSize;
    if (needed > m_capacity) {
        m_data.reset(new unsigned char[needed]);
        m_capacity = needed;
    }
    std::memcpy(m_data.get(), text, bytes);
    std::memset(m_data.get() + bytes, 0, unitSize);
    m_length = bytes;
}

void CCharacterString::getString(uint16_t* buffer, uint32_t size, uint32_t targetCharSet) const
{
    if (!buffer || size == 0)
        return;
    const uint32_t count = std::min(getLength(), size - 1);
    if (m_wide && (targetCharSet == 0 || targetCharSet == m_charSet)) {
        for (uint32_t i = 0; i < count; ++i)
            buffer[i] = getCharacterAt(i);
    } else if (count > 0) {
        CCharacterMap& map = CExportContext::current().characterMapper().getMap(
            singleTargetRequest(sourceCharSet(), targetCharSet ? targetCharSet : kCharSetUnicode));
        for (uint32_t i = 0; i < count; ++i)
            buffer[i] = map.map(getCharacterAt(i)).code;
    }
    buffer[count] = 0;
}

void CCharacterString::getString(char* buffer, uint32_t size, uint32_t targetCharSet) const
{
    if (!buffer || size == 0)
        return;
    const std::string bytes = narrowString(targetCharSet, size - 1);
    std::memcpy(buffer, bytes.data(), bytes.size());
    buffer[bytes.size()] = 0;
}

void CCharacterString::getString(std::string& out, uint32_t targetCharSet) const
{
    out = narrowString(targetCharSet, kNoLimit);
}

std::string CCharacterString::getString(uint32_t targetCharSet) const
{
    return narrowString(targetCharSet, kNoLimit);
}

// At most `limit` bytes of the 8-bit form in `targetCharSet`.
std::string CCharacterString::narrowString(uint32_t targetCharSet, uint32_t limit) const
{
    if (!m_wide && (targetCharSet == 0 || targetCharSet == m_charSet)) {
        const char* bytes = reinterpret_cast<const char*>(m_data.get());
        return bytes ? std::string(bytes, std::min(m_length, limit)) : std::string();
    }
    return mapToBytes(targetCharSet ? targetCharSet : kCharSetCp1252, limit);
}

std::string CCharacterString::mapToBytes(uint32_t targetCharSet, uint32_t limit) const
{
    std::string bytes;
    const uint32_t count = getLength();
    if (count == 0 || limit == 0)
        return bytes;
    CCharacterMap& map =
        CExportContext::current().characterMapper().getMap(singleTargetRequest(sourceCharSet(), targetCharSet));
    bytes.reserve(std::min(count, limit));
    for (uint32_t i = 0; i < count; ++i) {
        const uint16_t code = map.map(getCharacterAt(i)).code;
        if (bytes.size() + CStringUtil::codeSize(code) > limit)
            break;
        CStringUtil::appendCode(bytes, code);
    }
    return bytes;
}

uint32_t CCharacterString::sourceCharSet() const
{
    return m_charSet != 0 ? m_charSet : kCharSetUnicode;
}

bool CCharacterString::isMultibyteCharSet(uint32_t charSet)
{
    return std::find(std::begin(kMultibyteCharSets), std::end(kMultibyteCharSets), charSet) !=
           std::end(kMultibyteCharSets);
}

short CCharacterString::getCodePage() const
{
    if (m_charSet == 0 || m_charSet == kCharSetDefault)
        return kCodePageNone;
    if (m_charSet & kCharSetCodePageFlag)
        return static_cast<short>((m_charSet & kCharSetCodePageMask) >> kCharSetCodePageShift);
    if ((m_charSet & kCharSetFamilyMask) == kCharSetIso8859Family)
        return isoCodePage(m_charSet & kCharSetPartMask);
    if (m_charSet & kCharSetLastResortFlag)
        return kCodePageLastResort;
    if (m_charSet & kCharSetSymbolFlag)
        return kCodePageSymbol;
    return kCodePageNone;
}

void CCharacterString::setCodePage(short codePage)
{
    if (codePage == getCodePage())
        return;
    const auto* end = std::end(kCodePageCharSets);
    const auto* found = std::find_if(std::begin(kCodePageCharSets), end,
                                     [codePage](const SCodePageCharSet& entry) { return entry.codePage == codePage; });
    m_charSet = found != end ? found->charSet : kCharSetDefault;
}

void CCharacterString::setUpOutputCharSets(uint32_t& count, uint32_t* list, bool withMultibyte) const
{
    count = 0;
    const bool hasDefault = m_wideDefault != 0;
    const bool singleByteDefault = hasDefault && (m_wideDefault & kCharSetVariantMask) == kCharSetSingleByteVariant;
    if (singleByteDefault)
        addCharSetToOutputList(count, list, m_wideDefault);
    addCharSetToOutputList(count, list, kCharSetCp1252);
    if (withMultibyte && hasDefault && !singleByteDefault)
        addMBCSsToOutputList(count, list);
    for (const uint32_t charSet : kFallbackOutputCharSets)
        addCharSetToOutputList(count, list, charSet);
}

void CCharacterString::addMBCSsToOutputList(uint32_t& count, uint32_t* list) const
{
    if (isMultibyteCharSet(m_wideDefault))
        addCharSetToOutputList(count, list, m_wideDefault);
}

void CCharacterString::addCharSetToOutputList(uint32_t& count, uint32_t* list, uint32_t charSet)
{
    if (count < kMaxOutputCharSets && !findCharSetInOutputList(count, list, charSet))
        list[count++] = charSet;
}

bool CCharacterString::findCharSetInOutputList(uint32_t count, const uint32_t* list, uint32_t charSet)
{
    const uint32_t searched = std::min(count, kMaxOutputCharSets);
    return std::find(list, list + searched, charSet) != list + searched;
}

// Negative, zero or positive as this string is less than, equal to or
// greater than `other`.
int CCharacterString::compare(const CCharacterString& other) const
{
    if (m_length != other.m_length)
        return m_length < other.m_length ? -1 : 1;
    if (!m_data || !other.m_data)
        return 0;
    for (uint32_t i = 0; i < m_length; ++i) {
        const auto mine = static_cast<signed char>(m_data[i]);
        const auto theirs = static_cast<signed char>(other.m_data[i]);
        if (mine != theirs)
            return mine < theirs ? -1 : 1;
    }
    return 0;
}
