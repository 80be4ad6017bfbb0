#include "chunker/UTCharMap.h"

#include "chunker/ChunkerExportState.h"
#include "core/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

void require(TRXERR err, const char* message)
{
    if (err != TRXERR_OK)
        throw ExChunkerFailed(message, static_cast<uint32_t>(err));
}

} // namespace

CUTCharMap& CUTCharMap::getInstance()
{
    return SChunkerExportState::current().charMap;
}

CUTCharMap::~CUTCharMap()
{
    dropCachedMap();
}

void CUTCharMap::createMap(CMAPtag* map, const CMINPUTtag* request)
{
    if (m_created && isCachedRequest(request)) {
        require(UTCreateMap(map, request), "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(105)");
        return;
    }
    dropCachedMap();
    createCachedMap(map, request);
}

void CUTCharMap::releaseMap(CMAPtag* map)
{
    require(UTReleaseMap(map), "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(136)");
}

void CUTCharMap::mapCharacter(CMAPtag* map, uint16_t character, uint16_t out[2])
{
    require(UTMapCharRtn(map, character, out), "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(148)");
}

void CUTCharMap::dropCachedMap()
{
    if (!m_created)
        return;
    UTReleaseMap(&m_map);
    m_created = false;
}

// The first map made for a request is kept; the caller gets a second one, so
// that releasing it leaves the kept map alive.
void CUTCharMap::createCachedMap(CMAPtag* map, const CMINPUTtag* request)
{
    require(UTCreateMap(map, request), "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(120)");
    std::memcpy(&m_request, request, sizeof m_request);
    m_map = *map;
    m_created = true;
    const TRXERR err = UTCreateMap(map, request);
    if (err != TRXERR_OK)
        dropCachedMap();
    require(err, "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(125)");
}

bool CUTCharMap::isCachedRequest(const CMINPUTtag* request) const
{
    return request && std::memcmp(&m_request, request, sizeof m_request) == 0;
}

namespace {

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

CScopedCharMap::CScopedCharMap(const SCharMapRequest& request) : m_request(hostRequest(request))
{
    CUTCharMap::getInstance().createMap(&m_map, &m_request);
    m_held = true;
}

CScopedCharMap::~CScopedCharMap()
{
    if (!m_held)
        return;
    try {
        CUTCharMap::getInstance().releaseMap(&m_map);
    } catch (const ExChunkerFailed&) {
        // Already on a failure path: the first failure is the one reported.
    }
}

SMappedCharacter CScopedCharMap::map(uint16_t character)
{
    uint16_t out[2] = {};
    CUTCharMap::getInstance().mapCharacter(&m_map, character, out);
    return {targetCharSet(out[0]), out[1]};
}

// An index beyond the request's targets (a host answer that cannot be) is
// taken as the last target, the one of last resort.
uint32_t CScopedCharMap::targetCharSet(uint32_t index) const
{
    const uint32_t count = std::min<uint32_t>(m_request.targetCount, CM_MAX_TARGETS);
    if (count == 0)
        return 0;
    return m_request.targetCharSets[std::min(index, count - 1)];
}

void CScopedCharMap::release()
{
    m_held = false;
    CUTCharMap::getInstance().releaseMap(&m_map);
}

std::unique_ptr<ICharacterMap> CHostCharacterMapper::createMap(const SCharMapRequest& request)
{
    return std::make_unique<CScopedCharMap>(request);
}
