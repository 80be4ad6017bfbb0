#include "chunker/ItemLists.h"

#include "chunker/ChunkerExportState.h"
#include "core/Exceptions.h"

namespace {

void require(TRXERR code, const char* message)
{
    if (code != TRXERR_OK)
        throw ExChunkerFailed(message, static_cast<uint32_t>(code));
}

const TRXERR kItemOrEnd[] = {TRXERR_OK, TRXERR_NOITEM};
const TRXERR kItemOnly[] = {TRXERR_OK};

constexpr const char* kItemDoesNotAdvance = "REQUIRE: itemId > previousItemId\n\tFile: ChIList";

} // namespace

void CChunkerList::moveTo1stElement()
{
    require(CHGetItemId(getHChunker(), m_type, 0, &m_position),
            "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChIList  ln(71)");
}

void CChunkerList::moveToNthElement(uint32_t n)
{
    require(CHGetItemId(getHChunker(), m_type, n, &m_position),
            "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChIList  ln(81)");
}

void CChunkerList::moveToNextElement()
{
    require(CHNextItemId(getHChunker(), m_type, m_position, &m_position),
            "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChIList  ln(91)");
}

void CChunkerList::getNextElements(uint32_t count, uint16_t* buffer)
{
    require(CHGetItems(getHChunker(), m_type, m_position, count, buffer),
            "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChIList  ln(101)");
}

void CChunkerList::setHExport(HEXPORT hExport)
{
    SChunkerExportState& state = SChunkerExportState::current();
    state.hExport = hExport;
    state.hChunker = 0;
}

HEXPORT CChunkerList::getHExport()
{
    return SChunkerExportState::current().hExport;
}

HCHUNKER CChunkerList::getHChunker()
{
    SChunkerExportState& state = SChunkerExportState::current();
    if (state.hChunker)
        return state.hChunker;
    if (!state.hExport)
        throw ExChunkerFailed("REQUIRE_1: hExport\n\tFile: ChIList  ln(114)", kFilterMissingHandle);
    DAGetHChunker(state.hExport, &state.hChunker);
    if (!state.hChunker)
        throw ExChunkerFailed("REQUIRE_1: hChunker\n\tFile: ChIList  ln(116)", kFilterMissingHandle);
    return state.hChunker;
}

TRXERR CChunkerList::readItem(void* record, const TRXERR* accepted, unsigned acceptedCount, const char* message)
{
    const uint32_t read = m_position;
    const TRXERR code = CHGetItem(getHChunker(), m_type, read, record, &m_position);
    for (unsigned i = 0; i < acceptedCount; ++i) {
        if (code != accepted[i])
            continue;
        // The ids grow along a list. An item read without moving past it
        // (or back to an earlier one) would have every loop over the list
        // read the same items for ever; moving forward in 32 bits, a walk
        // ends within the id range whatever the host answers.
        if (code == TRXERR_OK && m_position <= read)
            throw ExMisformedChunkerDataError(kItemDoesNotAdvance);
        return code;
    }
    throw ExChunkerFailed(message, static_cast<uint32_t>(code));
}

TRXERR CRowFormatList::getNextElement()
{
    return readItem(m_record, kItemOrEnd, 2,
                    "REQUIRE_1: locErr == TRXERR_OK || locErr == TRXERR_NOITEM\n\tFile: ChTbList  ln(65)");
}

TRXERR CCellFormatList::getNextElement()
{
    return readItem(m_record, kItemOrEnd, 2,
                    "REQUIRE_1: locErr == TRXERR_OK || locErr == TRXERR_NOITEM\n\tFile: ChTbList  ln(116)");
}

TRXERR CEmbeddedObjectList::getNextElement()
{
    return readItem(m_record, kItemOrEnd, 2,
                    "REQUIRE_1: locErr == TRXERR_OK || locErr == TRXERR_NOITEM\n\tFile: ChGrList  ln(64)");
}

TRXERR CTagTrackList::getNextElement()
{
    return readItem(&m_track, kItemOrEnd, 2,
                    "REQUIRE_1: locErr == TRXERR_OK || locErr == TRXERR_NOITEM\n\tFile: ChTgList  ln(84)");
}

uint32_t CTagTrackList::findChangeId(uint32_t key1, uint32_t key2)
{
    moveTo1stElement();
    for (;;) {
        readItem(&m_track, kItemOnly, 1, "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChTgList  ln(69)");
        if (m_track.key1 == key1 && m_track.key2 == key2)
            return m_track.changeId;
    }
}

uint32_t readBigEndian32(const unsigned char* record, std::size_t offset)
{
    const unsigned char* field = record + offset;
    return (uint32_t{field[0]} << 24) | (uint32_t{field[1]} << 16) | (uint32_t{field[2]} << 8) | field[3];
}

uint16_t readBigEndian16(const unsigned char* record, std::size_t offset)
{
    const unsigned char* field = record + offset;
    return static_cast<uint16_t>((field[0] << 8) | field[1]);
}
