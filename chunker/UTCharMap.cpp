#include "chunker/UTCharMap.h"

#include "chunker/ChunkerExportState.h"
#include "core/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr char kCreateFailed[] = "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(120)";
constexpr char kReleaseFailed[] = "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(136)";
constexpr char kMapFailed[] = "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(148)";

void require(TRXERR err, const char* message)
{
    if (err != TRXERR_OK)
        throw ExChunkerFailed(message, static_cast<uint32_t>(err));
}

CMINPUTtag hostRequest(const SCharMapRequest& request)
{
    static_assert(kMaxCharMapTargets == CM_MAX_TARGETS, "a request names as many targets as the host takes");
    CMINPUTtag host{};
    host.sourceCharSet = request.sourceCharSet;
    host.targetCount = request.targetCount;
    std::copy(std::begin(request.targetCharSets), std::end(request.targetCharSets), host.targetCharSets);
    return host;
}

} // namespace

CHostCharMap::CHostCharMap(const CMINPUTtag& request) : m_request(request)
{
    require(UTCreateMap(&m_map, &m_request), kCreateFailed);
    m_held = true;
}

CHostCharMap::~CHostCharMap()
{
    if (m_held)
        UTReleaseMap(&m_map);
}

bool CHostCharMap::isFor(const CMINPUTtag& request) const
{
    return std::memcmp(&m_request, &request, sizeof m_request) == 0;
}

TRXERR CHostCharMap::release()
{
    m_held = false;
    return UTReleaseMap(&m_map);
}

SMappedCharacter CHostCharMap::lookUp(uint16_t character)
{
    uint16_t out[2] = {};
    require(UTMapCharRtn(&m_map, character, out), kMapFailed);
    return {targetCharSet(out[0]), out[1]};
}

// An index beyond the request's targets (a host answer that cannot be) is
// taken as the last target, the one of last resort.
uint32_t CHostCharMap::targetCharSet(uint32_t index) const
{
    const uint32_t count = std::min<uint32_t>(m_request.targetCount, CM_MAX_TARGETS);
    if (count == 0)
        return 0;
    return m_request.targetCharSets[std::min(index, count - 1)];
}

CUTCharMap& CUTCharMap::getInstance()
{
    return SChunkerExportState::current().charMap;
}

CHostCharMap& CUTCharMap::getMap(const CMINPUTtag& request)
{
    const auto found = std::find_if(m_maps.begin(), m_maps.end(), [&request](const std::unique_ptr<CHostCharMap>& map) {
        return map->isFor(request);
    });
    if (found != m_maps.end())
        return **found;
    auto made = std::make_unique<CHostCharMap>(request);
    m_maps.push_back(std::move(made));
    return *m_maps.back();
}

void CUTCharMap::releaseMaps()
{
    TRXERR firstFailure = TRXERR_OK;
    for (const std::unique_ptr<CHostCharMap>& map : m_maps) {
        const TRXERR err = map->release();
        if (firstFailure == TRXERR_OK)
            firstFailure = err;
    }
    m_maps.clear();
    require(firstFailure, kReleaseFailed);
}

CCharacterMap& CHostCharacterMapper::getMap(const SCharMapRequest& request)
{
    return CUTCharMap::getInstance().getMap(hostRequest(request));
}

void CHostCharacterMapper::releaseMaps()
{
    CUTCharMap::getInstance().releaseMaps();
}
