// The maker of host character maps, one per export. Every map the filter
// uses is made and released here: CUTCharMap makes one host map for each
// distinct request and keeps it until the export ends, and turns host
// mapping failures into ExChunkerFailed.
//
// CHostCharMap is one kept map, which asks the host about each character
// once. CHostCharacterMapper gives the model its maps this way.
#pragma once

#include "core/CharacterMapping.h"
#include "trx/platform.h"

#include <cstdint>
#include <memory>
#include <vector>

class CHostCharMap final : public CCharacterMap {
public:
    // Makes the host map; a host failure raises ExChunkerFailed.
    explicit CHostCharMap(const CMINPUTtag& request);
    // Releases the host map if release() was not reached, as when an
    // exception passes; a failure then is not reported.
    ~CHostCharMap();

    // Whether the map was made for `request`, compared in all its bytes.
    bool isFor(const CMINPUTtag& request) const;
    // Releases the host map; returns the host's code.
    TRXERR release();

private:
    // A host failure raises ExChunkerFailed.
    SMappedCharacter lookUp(uint16_t character) override;
    uint32_t targetCharSet(uint32_t index) const;

    CMINPUTtag m_request;
    CMAPtag m_map{};
    bool m_held = false;
};

class CUTCharMap {
public:
    // The running export's instance, kept in its context: made on first use
    // and destroyed with the context.
    static CUTCharMap& getInstance();

    CUTCharMap() = default;
    // Releases quietly the maps still kept, as when the export failed.
    ~CUTCharMap() = default;
    CUTCharMap(const CUTCharMap&) = delete;
    CUTCharMap& operator=(const CUTCharMap&) = delete;

    // The kept map for `request`, made on its first request.
    CHostCharMap& getMap(const CMINPUTtag& request);
    // Releases every kept map; the first host failure raises ExChunkerFailed
    // once all of them are released.
    void releaseMaps();

private:
    // Few distinct requests come in one export: a list searched in order
    // does.
    std::vector<std::unique_ptr<CHostCharMap>> m_maps;
};

class CHostCharacterMapper : public ICharacterMapper {
public:
    CCharacterMap& getMap(const SCharMapRequest& request) override;
    void releaseMaps() override;
};
