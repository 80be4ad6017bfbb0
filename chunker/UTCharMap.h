// The maker of host character maps, one per export. Every map the filter
// uses is made and released here: CUTCharMap keeps one host map of its own
// for the request most recently made, so that the host always holds a live
// map for it, and turns host mapping failures into ExChunkerFailed.
//
// CScopedCharMap is one map made through it, used for one conversion;
// CHostCharacterMapper gives the model its maps this way.
#pragma once

#include "core/CharacterMapping.h"
#include "trx/platform.h"

#include <cstdint>

class CUTCharMap {
public:
    // The running export's instance, kept in its context: made on first use
    // and destroyed with the context, which releases the cached map.
    static CUTCharMap& getInstance();

    CUTCharMap() = default;
    ~CUTCharMap();
    CUTCharMap(const CUTCharMap&) = delete;
    CUTCharMap& operator=(const CUTCharMap&) = delete;

    // Fills `map` with a new host map for `request`.
    void createMap(CMAPtag* map, const CMINPUTtag* request);
    // Releases a map obtained from createMap.
    void releaseMap(CMAPtag* map);
    // out[0]: index in the request's targets of the first one that holds
    // `character`; out[1]: its code there.
    void mapCharacter(CMAPtag* map, uint16_t character, uint16_t out[2]);

private:
    void dropCachedMap();
    void createCachedMap(CMAPtag* map, const CMINPUTtag* request);
    bool isCachedRequest(const CMINPUTtag* request) const;

    bool m_created = false;
    CMINPUTtag m_request{};
    CMAPtag m_map{};
};

class CScopedCharMap : public ICharacterMap {
public:
    explicit CScopedCharMap(const SCharMapRequest& request);
    // Releases the map if release() was not reached, as when an exception
    // passes; a failure then is not reported.
    ~CScopedCharMap() override;
    CScopedCharMap(const CScopedCharMap&) = delete;
    CScopedCharMap& operator=(const CScopedCharMap&) = delete;

    SMappedCharacter map(uint16_t character) override;
    // Releases the map; a host failure raises ExChunkerFailed.
    void release() override;

private:
    uint32_t targetCharSet(uint32_t index) const;

    CMINPUTtag m_request;
    CMAPtag m_map{};
    bool m_held = false;
};

class CHostCharacterMapper : public ICharacterMapper {
public:
    std::unique_ptr<ICharacterMap> createMap(const SCharMapRequest& request) override;
};
