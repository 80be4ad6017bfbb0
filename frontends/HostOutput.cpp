#include "frontends/HostOutput.h"

#include "frontends/Utf16.h"
#include "trx/changes.h"
#include "trx/platform.h"
#include "trxhost/Document.h"

#include <climits>
#include <utility>

namespace frontends {

namespace {

constexpr std::size_t kWordBytes = sizeof(uint32_t);

// Appends numbers of the list's item size in the list's order; returns
// the id of the first. Text comes a unit at a time in its thousands, so the
// bytes are laid out here rather than a call per number.
template <typename Number>
uint32_t appendNumbers(trxhost::Document& document, uint32_t listType, const std::vector<Number>& numbers)
{
    trxhost::ItemList& list = *document.list(listType);
    if (list.layout().order == trxhost::WordOrder::Native)
        return list.append(reinterpret_cast<const uint8_t*>(numbers.data()), numbers.size() * sizeof(Number));
    std::vector<uint8_t> bytes(numbers.size() * sizeof(Number));
    uint8_t* out = bytes.data();
    for (const Number number : numbers)
        for (std::size_t shift = sizeof(Number) * CHAR_BIT; shift > 0; shift -= CHAR_BIT)
            *out++ = static_cast<uint8_t>(number >> (shift - CHAR_BIT));
    return list.append(bytes);
}

} // namespace

uint32_t appendUnits(trxhost::Document& document, uint32_t listType, const std::vector<uint16_t>& units)
{
    return appendNumbers(document, listType, units);
}

uint32_t appendWords(trxhost::Document& document, uint32_t listType, const std::vector<uint32_t>& words)
{
    return appendNumbers(document, listType, words);
}

std::vector<uint32_t> wordRecord(std::size_t size)
{
    return std::vector<uint32_t>(size / kWordBytes);
}

uint32_t& wordAt(std::vector<uint32_t>& words, std::size_t offset)
{
    return words[offset / kWordBytes];
}

HostOutput::HostOutput(trxhost::Document& document, AppendChange appendChange)
    : document_(document), appendChange_(std::move(appendChange))
{
}

uint32_t HostOutput::change(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3)
{
    return appendChange_(type, value1, value2, value3);
}

void HostOutput::text(const std::string& text)
{
    std::vector<uint16_t> units;
    appendUtf16(text, units);
    if (units.empty())
        return;
    const uint32_t first = appendUnits(document_, CHLIST_TEXT, units);
    change(CHCHANGE_TEXT, first, static_cast<uint32_t>(units.size()));
}

uint32_t HostOutput::propertyText(const std::string& text)
{
    std::vector<uint16_t> units;
    appendUtf16(text, units);
    const uint32_t first = appendUnits(document_, CHLIST_PROPERTY_TEXT, units);
    return change(CHCHANGE_PROPERTY_TEXT, first, 0, static_cast<uint32_t>(units.size()));
}

uint32_t HostOutput::dataRecord(const std::vector<uint32_t>& words)
{
    return appendWords(document_, CHLIST_DATA, words);
}

void HostOutput::tagTrack(uint32_t changeId, uint32_t tagType, uint32_t tagId)
{
    appendWords(document_, CHLIST_TAG_TRACKS, {changeId, tagId, tagType});
}

} // namespace frontends
