// UTCreateMap, UTMapCharRtn and UTReleaseMap. The caller's three-word map
// record holds the number of a live map in the host's table, never a pointer.
#include "host/CharacterMapServices.h"

#include "host/CharacterMap.h"
#include "host/FailureInjection.h"

#include <algorithm>
#include <mutex>
#include <new>
#include <vector>

namespace trxhost {
namespace {

// Second word of every map record ("CMAP"); the third holds the complement
// of the number, so that a record not made here is not taken for a map.
constexpr uint32_t kMapTag = 0x434D4150;
// Answered when the host has no memory left for another map; the same code
// the filter uses for memory exhaustion.
constexpr TRXERR kMemoryExhausted = 30;

// The maps made and not yet released, by number. A filter holds a few at a
// time but may make one for every run of text, so they sit in a vector that
// keeps its room: making and releasing a map then allocates nothing, and a
// look-up passes a few entries.
class LiveMaps {
public:
    static LiveMaps& instance()
    {
        // Never destroyed: a filter may release its maps while the process ends.
        static LiveMaps* maps = new LiveMaps;
        return *maps;
    }

    uint32_t add(CharacterMap map)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        do
            ++lastNumber_;
        while (lastNumber_ == 0 || find(lastNumber_) != maps_.end());
        maps_.emplace_back(lastNumber_, map);
        return lastNumber_;
    }

    bool remove(uint32_t number)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = find(number);
        if (found == maps_.end())
            return false;
        *found = maps_.back();
        maps_.pop_back();
        return true;
    }

    bool map(uint32_t number, uint16_t character, uint16_t out[2])
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = find(number);
        if (found == maps_.end())
            return false;
        found->second.map(character, out);
        return true;
    }

    size_t count()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return maps_.size();
    }

private:
    using Entry = std::pair<uint32_t, CharacterMap>;

    std::vector<Entry>::iterator find(uint32_t number)
    {
        return std::find_if(maps_.begin(), maps_.end(), [number](const Entry& entry) { return entry.first == number; });
    }

    std::mutex mutex_;
    std::vector<Entry> maps_;
    uint32_t lastNumber_ = 0;
};

void writeRecord(CMAP* record, uint32_t number)
{
    record->words[0] = number;
    record->words[1] = kMapTag;
    record->words[2] = ~number;
}

// The map number a record holds, or 0 when it holds none.
uint32_t numberOf(const CMAP* record)
{
    if (!record || record->words[1] != kMapTag || record->words[2] != ~record->words[0])
        return 0;
    return record->words[0];
}

} // namespace

size_t liveCharacterMapCount()
{
    return LiveMaps::instance().count();
}

} // namespace trxhost

using trxhost::LiveMaps;

TRX_API TRXERR UTCreateMap(CMAP* map, const CMINPUT* request)
{
    TRXERR code = TRXERR_OK;
    if (trxhost::injectedFailure("UTCreateMap", 0, 0, &code))
        return code;
    if (!map || !request)
        return TRXERR_BADPARAM;
    try {
        std::optional<trxhost::CharacterMap> built = trxhost::CharacterMap::fromRequest(*request);
        if (!built)
            return TRXERR_BADPARAM;
        trxhost::writeRecord(map, LiveMaps::instance().add(*built));
        return TRXERR_OK;
    } catch (const std::bad_alloc&) {
        return trxhost::kMemoryExhausted;
    }
}

TRX_API TRXERR UTReleaseMap(CMAP* map)
{
    const uint32_t number = trxhost::numberOf(map);
    return number != 0 && LiveMaps::instance().remove(number) ? TRXERR_OK : TRXERR_BADPARAM;
}

TRX_API TRXERR UTMapCharRtn(CMAP* map, uint16_t character, uint16_t out[2])
{
    TRXERR code = TRXERR_OK;
    if (trxhost::injectedFailure("UTMapCharRtn", 0, 0, &code))
        return code;
    const uint32_t number = trxhost::numberOf(map);
    if (number == 0 || !out)
        return TRXERR_BADPARAM;
    return LiveMaps::instance().map(number, character, out) ? TRXERR_OK : TRXERR_BADPARAM;
}
