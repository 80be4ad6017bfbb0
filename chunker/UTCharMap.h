// The maker of host character maps, one per export. Every map the filter
// uses is made and released here: CUTCharMap makes one host map for each
// distinct request and keeps it until the export ends, and turns host
// mapping failures into ExChunkerFailed.
//
// CHostCharMap is one kept map; it asks the host about each character once
// and answers from memory after that. CHostCharacterMapper gives the model
// its maps this way.
#pragma once

#include "core/CharacterMapping.h"
#include "trx/platform.h"

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class CHostCharMap final : public ICharacterMap {
public:
    // Makes the host map; a host failure raises ExChunkerFailed.
    explicit CHostCharMap(const CMINPUTtag& request);
    // Releases the host map if release() was not reached, as when an
    // exception passes; a failure then is not reported.
    ~CHostCharMap();
    CHostCharMap(const CHostCharMap&) = delete;
    CHostCharMap& operator=(const CHostCharMap&) = delete;

    // Whether the map was made for `request`, compared in all its bytes.
    bool isFor(const CMINPUTtag& request) const;
    // A host failure raises ExChunkerFailed and is not remembered.
    SMappedCharacter map(uint16_t character) override;
    // Releases the host map; returns the host's code.
    TRXERR release();

private:
    static constexpr uint32_t kByteRange = 256;

    // An answer of the byte range, with whether it was asked yet.
    struct SByteAnswer {
        SMappedCharacter mapped{};
        bool known = false;
    };

    SMappedCharacter askHost(uint16_t character);
    uint32_t targetCharSet(uint32_t index) const;

    CMINPUTtag m_request;
    CMAPtag m_map{};
    bool m_held = false;
    std::array<SByteAnswer, kByteRange> m_byteAnswers{};
    std::unordered_map<uint16_t, SMappedCharacter> m_wideAnswers;
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
    ICharacterMap& getMap(const SCharMapRequest& request) override;
    void releaseMaps() override;
};
