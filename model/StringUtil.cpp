#include "model/StringUtil.h"

#include "core/ExportContext.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr unsigned kHexBase = 16;
constexpr unsigned kHexDigitsPerByte = 2;
constexpr uint32_t kWideUnitSize = sizeof(uint16_t);

} // namespace

size_t CStringUtil::convertDecimalToAscii(unsigned long value, char* digits)
{
    const auto signedValue = static_cast<int32_t>(static_cast<uint32_t>(value));
    return static_cast<size_t>(std::to_chars(digits, digits + kMaxDecimalDigits, signedValue).ptr - digits);
}

size_t CStringUtil::convertDecimalToHexAscii(unsigned long value, char* digits, unsigned char minBytes,
                                             unsigned char maxBytes)
{
    char all[2 * sizeof value];
    char* const end = std::to_chars(std::begin(all), std::end(all), value, kHexBase).ptr;
    const auto count = static_cast<size_t>(end - all);
    const size_t minDigits = size_t{minBytes} * kHexDigitsPerByte;
    if (count < minDigits) {
        std::fill_n(digits, minDigits - count, '0');
        std::copy(all, end, digits + (minDigits - count));
        return minDigits;
    }
    const size_t maxDigits = minBytes < maxBytes ? size_t{maxBytes} * kHexDigitsPerByte : minDigits;
    const size_t kept = std::min(count, maxDigits);
    std::copy(end - kept, end, digits);
    return kept;
}

void CStringUtil::mapWideString(const CCharacterString& wide, std::list<CCharacterString>& runs, bool withMultibyte)
{
    if (!wide.isWideString() || wide.getLength() == 0)
        return;
    SCharMapRequest request;
    request.sourceCharSet = wide.getCharacterSet() != 0 ? wide.getCharacterSet() : kCharSetUnicode;
    wide.setUpOutputCharSets(request.targetCount, request.targetCharSets, withMultibyte);
    CCharacterMap& map = CExportContext::current().characterMapper().getMap(request);
    const uint32_t end = wide.getLength() * kWideUnitSize;
    uint32_t position = 0;
    while (position < end)
        mapRunOfOneCharSetToChrStr(map, wide, position, runs.emplace_back());
}

void CStringUtil::mapRunOfOneCharSetToChrStr(CCharacterMap& map, const CCharacterString& wide, uint32_t& position,
                                             CCharacterString& run)
{
    const uint32_t count = wide.getLength();
    uint32_t index = position / kWideUnitSize;
    if (index >= count) {
        position = count * kWideUnitSize;
        return;
    }
    const SMappedCharacter first = map.map(wide.getCharacterAt(index));
    std::string bytes;
    bytes.reserve(count - index); // the most a run of single-byte codes takes
    appendCode(bytes, first.code);
    for (++index; index < count; ++index) {
        const SMappedCharacter next = map.map(wide.getCharacterAt(index));
        if (next.charSet != first.charSet)
            break;
        appendCode(bytes, next.code);
    }
    position = index * kWideUnitSize;
    run.setString(bytes, first.charSet);
}
