// The routine table, the information items and the per-export record, seen
// through the entry points exactly as a host calls them.
#include "filter/ExportSession.h"
#include "filter/RecordingHostFile.h"
#include "icf/filter.h"

#include <gtest/gtest.h>

#include <cstring>

extern "C" {
void VwGetRtns(VWRTN* table, uint16_t slotCount);
int32_t VwGetInfo(void* buffer, uint16_t item, void* record);
SExportProc* VwAllocProc(void);
void VwFreeProc(SExportProc* record);
void VwSetUser(uintptr_t first, uintptr_t second, SExportProc* record);
TRXERR VwExportWrite(uintptr_t, SExportProc* record);
TRXERR VwExportClose(uintptr_t, SExportProc* record);
}

namespace {

const VWRTN kUntouched = reinterpret_cast<VWRTN>(uintptr_t{0xDEAD});

std::vector<VWRTN> tableFilledWith(uint16_t slotCount)
{
    std::vector<VWRTN> table(24, kUntouched);
    VwGetRtns(table.data(), slotCount);
    return table;
}

TEST(VwGetRtns, FillsTheFirstEighteenSlotsWhateverTheCount)
{
    const auto table = tableFilledWith(18);
    for (int slot = 0; slot < 18; ++slot) {
        const bool routine = slot == VWRTN_GETINFO || slot == VWRTN_LOCALUP || slot == VWRTN_LOCALDOWN ||
                             slot == VWRTN_ALLOCPROC || slot == VWRTN_FREEPROC || slot == VWRTN_SETUSER;
        EXPECT_EQ(table[slot] != nullptr, routine) << "slot " << slot;
    }
    EXPECT_EQ(table[VWRTN_GETINFO], reinterpret_cast<VWRTN>(VwGetInfo));
    EXPECT_EQ(table[VWRTN_ALLOCPROC], reinterpret_cast<VWRTN>(VwAllocProc));
    for (int slot = 18; slot < 24; ++slot)
        EXPECT_EQ(table[slot], kUntouched) << "slot " << slot;
}

TEST(VwGetRtns, ReservedSlotAndExportRoutinesDependOnTheCount)
{
    auto table = tableFilledWith(19);
    EXPECT_EQ(table[18], nullptr);
    EXPECT_EQ(table[19], kUntouched);

    table = tableFilledWith(21);
    EXPECT_EQ(table[VWRTN_EXPORTOPEN], kUntouched);

    table = tableFilledWith(22);
    EXPECT_NE(table[VWRTN_EXPORTOPEN], nullptr);
    EXPECT_EQ(table[VWRTN_EXPORTCLOSE], reinterpret_cast<VWRTN>(VwExportClose));
    EXPECT_EQ(table[VWRTN_EXPORTWRITE], reinterpret_cast<VWRTN>(VwExportWrite));
    EXPECT_EQ(table[22], kUntouched);
}

TEST(VwGetInfo, AnswersTheKnownItems)
{
    const std::pair<uint16_t, uint16_t> shorts[] = {{1, 0}, {2, 24},   {3, 4},  {4, 400}, {5, 440},
                                                    {6, 1}, {7, 1653}, {10, 0}, {11, 0}};
    for (const auto& [item, expected] : shorts) {
        unsigned char buffer[4] = {0xAA, 0xAA, 0xAA, 0xAA};
        ASSERT_EQ(VwGetInfo(buffer, item, nullptr), 1) << "item " << item;
        uint16_t value;
        std::memcpy(&value, buffer, 2);
        EXPECT_EQ(value, expected) << "item " << item;
        EXPECT_EQ(buffer[2], 0xAA) << "item " << item << " wrote more than 16 bits";
    }
    uint32_t word = 0;
    ASSERT_EQ(VwGetInfo(&word, 12, nullptr), 1);
    EXPECT_EQ(word, 0x12345678u);
    ASSERT_EQ(VwGetInfo(&word, 13, nullptr), 1);
    EXPECT_EQ(word, 1u);
}

TEST(VwGetInfo, LeavesTheBufferAloneForUnknownItems)
{
    for (uint16_t item : {0, 14, 0xFFFF}) {
        uint32_t word = 0xCAFEBABE;
        EXPECT_EQ(VwGetInfo(&word, item, nullptr), 0);
        EXPECT_EQ(word, 0xCAFEBABEu);
    }
}

TEST(ExportRecord, UserValuesAndClosedRecords)
{
    SExportProc* record = VwAllocProc();
    ASSERT_NE(record, nullptr);
    std::memset(record, 0, sizeof *record);
    VwSetUser(11, 22, record);
    EXPECT_EQ(record->words[VWPROC_USER1], 11u);
    EXPECT_EQ(record->words[VWPROC_USER2], 22u);
    // A closed record: closing again does nothing; writing has no conversion.
    EXPECT_EQ(VwExportClose(0, record), TRXERR_OK);
    EXPECT_EQ(VwExportWrite(0, record), 18);
    VwFreeProc(record);
    VwFreeProc(nullptr);
    EXPECT_EQ(VwExportClose(0, nullptr), TRXERR_BADPARAM);
}

TEST(ExportRecord, OutputFileThatCannotBeClosedFailsTheExport)
{
    RecordingHostFile output;
    output.closeCode = 7;
    SExportProc record = {};
    record.words[VWPROC_OUTPUT_FILE] = reinterpret_cast<uintptr_t>(output.handle());
    EXPECT_EQ(VwExportClose(0, &record), 18);
    EXPECT_EQ(output.closes, 1);
    EXPECT_EQ(record.words[VWPROC_OUTPUT_FILE], 0u);
}

TEST(SessionFunctions, CloseOfAnEmptySlotDoesNothing)
{
    void* slot = nullptr;
    EXPECT_EQ(g_QDExportClose(&slot), TRXERR_OK);
    EXPECT_EQ(g_QDExportClose(nullptr), TRXERR_BADPARAM);
}

} // namespace
