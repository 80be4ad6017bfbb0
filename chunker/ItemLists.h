// The host's item lists as the reader walks them. Every list keeps its own
// position; the export and chunker handles are shared by all lists and kept
// in the running export's context.
#pragma once

#include "trx/platform.h"

#include <cstdint>

class CChunkerList {
public:
    explicit CChunkerList(uint32_t type) : m_type(type) {}
    virtual ~CChunkerList() = default;

    void moveTo1stElement();
    void moveToNthElement(uint32_t n);
    void moveToNextElement();
    // Reads `count` 16-bit units from the position on.
    void getNextElements(uint32_t count, uint16_t* buffer);
    void moveToElementById(uint32_t id) { m_position = id; }
    uint32_t getPosition() const { return m_position; }
    void setType(uint32_t type) { m_type = type; }
    uint32_t getType() const { return m_type; }

    // The export being read; setting it forgets the chunker handle of the
    // previous export.
    static void setHExport(HEXPORT hExport);
    static HEXPORT getHExport();
    // The chunker handle, fetched from the host on first use.
    static HCHUNKER getHChunker();

protected:
    // Reads the item at the position into `record` and advances; raises
    // ExChunkerFailed with `message` for a code outside `accepted`, and
    // ExMisformedChunkerDataError for an item read that does not move the
    // position forward.
    TRXERR readItem(void* record, const TRXERR* accepted, unsigned acceptedCount, const char* message);

private:
    uint32_t m_position = 0;
    uint32_t m_type;
};

// The chunk's data records, read raw by element id.
class CBinaryList : public CChunkerList {
public:
    CBinaryList() : CChunkerList(CHLIST_DATA) {}
};

class CTextList : public CChunkerList {
public:
    CTextList() : CChunkerList(CHLIST_TEXT) {}
};

class CPropertyTextList : public CChunkerList {
public:
    CPropertyTextList() : CChunkerList(CHLIST_PROPERTY_TEXT) {}
};

// A list whose items are fixed-size records copied by the host.
template <uint32_t Type, std::size_t Size>
class TRecordList : public CChunkerList {
public:
    TRecordList() : CChunkerList(Type) {}

protected:
    unsigned char m_record[Size] = {};
};

class CRowFormatList : public TRecordList<CHLIST_ROW_FORMATS, CHRECORD_SIZE_ROW_FORMAT> {
public:
    TRXERR getNextElement();
    const unsigned char* getRowInfo() const { return m_record; }
};

class CCellFormatList : public TRecordList<CHLIST_CELL_FORMATS, CHRECORD_SIZE_CELL_FORMAT> {
public:
    TRXERR getNextElement();
    const unsigned char* getCellInfo() const { return m_record; }
};

class CEmbeddedObjectList : public TRecordList<CHLIST_EMBEDDED_OBJECTS, CHRECORD_SIZE_EMBEDDED_OBJECT> {
public:
    TRXERR getNextElement();
    const unsigned char* getEmbeddedObjectStruct() const { return m_record; }
};

// A tag track item: the change a tag belongs to and its two keys.
struct STagTrack {
    uint32_t changeId;
    uint32_t key2;
    uint32_t key1;
};
static_assert(sizeof(STagTrack) == CHRECORD_SIZE_TAG_TRACK, "the host copies a whole tag track item");

class CTagTrackList : public CChunkerList {
public:
    CTagTrackList() : CChunkerList(CHLIST_TAG_TRACKS) {}
    TRXERR getNextElement();
    const STagTrack& getChTrack() const { return m_track; }
    // The change id of the first item with both keys; a list without one
    // raises ExChunkerFailed carrying the host's code.
    uint32_t findChangeId(uint32_t key1, uint32_t key2);

private:
    STagTrack m_track = {};
};

// Reads a big-endian 32-bit field of a host record.
uint32_t readBigEndian32(const unsigned char* record, std::size_t offset);
// Reads a big-endian 16-bit field of a host record.
uint16_t readBigEndian16(const unsigned char* record, std::size_t offset);
