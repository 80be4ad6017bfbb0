// The filter's exported entry points: the routine table, the per-export
// record and the three export calls that drive one session.
#include "core/Exceptions.h"
#include "filter/ExportMacro.h"
#include "filter/ExportSession.h"
#include "icf/filter.h"

#include <cstdlib>
#include <cstring>

extern "C" {

ICF_EXPORT uint32_t VwGenOverlayId = 1653;
ICF_EXPORT uint32_t GenInit = 666;

ICF_EXPORT int32_t VwGetInfo(void* buffer, uint16_t item, void* record);
ICF_EXPORT void VwGetRtns(VWRTN* table, uint16_t slotCount);
ICF_EXPORT SExportProc* VwAllocProc(void);
ICF_EXPORT void VwFreeProc(SExportProc* record);
ICF_EXPORT void VwSetUser(uintptr_t first, uintptr_t second, SExportProc* record);
ICF_EXPORT void VwLocalUp(uintptr_t, uintptr_t, uintptr_t);
ICF_EXPORT void VwLocalDown(uintptr_t, uintptr_t, uintptr_t);
ICF_EXPORT TRXERR VwExportOpen(uint32_t specType, const void* spec, uintptr_t kept, HEXPORT hExport, uintptr_t,
                               uintptr_t, SExportProc* record);
ICF_EXPORT TRXERR VwExportWrite(uintptr_t, SExportProc* record);
ICF_EXPORT TRXERR VwExportClose(uintptr_t, SExportProc* record);
ICF_EXPORT void SODummy(void);

} // extern "C"

namespace {

// The answers of VwGetInfo: constants the host asks for by item id.
enum class InfoKind { kShort, kText, kLong };
struct InfoItem {
    uint16_t id;
    InfoKind kind;
    uint32_t number;
    const char* text;
};

const InfoItem kInfoItems[] = {
    {1, InfoKind::kShort, 0, nullptr},          {2, InfoKind::kShort, 24, nullptr},
    {3, InfoKind::kShort, 4, nullptr},          {4, InfoKind::kShort, 400, nullptr},
    {5, InfoKind::kShort, 440, nullptr},        {6, InfoKind::kShort, 1, nullptr},
    {7, InfoKind::kShort, 0, nullptr}, // the overlay id, read when asked
    {8, InfoKind::kText, 0, "Dec  8 1999"},     {9, InfoKind::kText, 0, "16:35:35"},
    {10, InfoKind::kShort, 0, nullptr},         {11, InfoKind::kShort, 0, nullptr},
    {12, InfoKind::kLong, 0x12345678, nullptr}, {13, InfoKind::kLong, 1, nullptr},
};
constexpr uint16_t kOverlayIdItem = 7;

void writeInfo(void* buffer, const InfoItem& item)
{
    if (item.kind == InfoKind::kText) {
        std::memcpy(buffer, item.text, std::strlen(item.text) + 1);
    } else if (item.kind == InfoKind::kLong) {
        std::memcpy(buffer, &item.number, sizeof item.number);
    } else {
        const uint32_t number = item.id == kOverlayIdItem ? VwGenOverlayId : item.number;
        const uint16_t low = static_cast<uint16_t>(number & 0xFFFF);
        std::memcpy(buffer, &low, sizeof low);
    }
}

template <class Function>
VWRTN routine(Function* function)
{
    return reinterpret_cast<VWRTN>(function);
}

void** conversionSlot(SExportProc* record)
{
    return reinterpret_cast<void**>(&record->words[VWPROC_CONVERSION]);
}

HIOFILE outputFile(SExportProc* record)
{
    return reinterpret_cast<HIOFILE>(record->words[VWPROC_OUTPUT_FILE]);
}

// The slots every table has, and the two optional groups after them.
constexpr uint16_t kAlwaysWrittenSlots = 18;
constexpr uint16_t kSlotsWithReserved = 19;

} // namespace

int32_t VwGetInfo(void* buffer, uint16_t item, void*)
{
    for (const InfoItem& info : kInfoItems) {
        if (info.id == item) {
            writeInfo(buffer, info);
            return 1;
        }
    }
    return 0;
}

void VwGetRtns(VWRTN* table, uint16_t slotCount)
{
    for (uint16_t slot = 0; slot < kAlwaysWrittenSlots; ++slot)
        table[slot] = nullptr;
    table[VWRTN_GETINFO] = routine(VwGetInfo);
    table[VWRTN_LOCALUP] = routine(VwLocalUp);
    table[VWRTN_LOCALDOWN] = routine(VwLocalDown);
    table[VWRTN_ALLOCPROC] = routine(VwAllocProc);
    table[VWRTN_FREEPROC] = routine(VwFreeProc);
    table[VWRTN_SETUSER] = routine(VwSetUser);
    if (slotCount >= kSlotsWithReserved)
        table[kAlwaysWrittenSlots] = nullptr;
    if (slotCount >= VWRTN_SLOTS) {
        table[VWRTN_EXPORTOPEN] = routine(VwExportOpen);
        table[VWRTN_EXPORTCLOSE] = routine(VwExportClose);
        table[VWRTN_EXPORTWRITE] = routine(VwExportWrite);
    }
}

SExportProc* VwAllocProc(void)
{
    return static_cast<SExportProc*>(std::malloc(sizeof(SExportProc)));
}

void VwFreeProc(SExportProc* record)
{
    std::free(record);
}

void VwSetUser(uintptr_t first, uintptr_t second, SExportProc* record)
{
    if (!record)
        return;
    record->words[VWPROC_USER1] = first;
    record->words[VWPROC_USER2] = second;
}

void VwLocalUp(uintptr_t, uintptr_t, uintptr_t)
{
}

void VwLocalDown(uintptr_t, uintptr_t, uintptr_t)
{
}

void SODummy(void)
{
}

TRXERR VwExportOpen(uint32_t specType, const void* spec, uintptr_t kept, HEXPORT hExport, uintptr_t, uintptr_t,
                    SExportProc* record)
{
    if (!record)
        return TRXERR_BADPARAM;
    for (int word = VWPROC_OUTPUT_FILE; word <= VWPROC_CONVERSION; ++word)
        record->words[word] = 0;

    HIOFILE file = nullptr;
    TRXERR code = IOCreate(&file, specType, spec, IOACCESS_READWRITE);
    record->words[VWPROC_OUTPUT_FILE] = code == TRXERR_OK ? reinterpret_cast<uintptr_t>(file) : 0;
    record->words[VWPROC_EXPORT] = hExport;
    record->words[VWPROC_KEPT] = kept;
    if (code == TRXERR_OK) {
        HCHUNKER chunker = 0;
        code = DAGetHChunker(hExport, &chunker);
        record->words[VWPROC_CHUNKER] = chunker;
    }
    if (code == TRXERR_OK) {
        uint32_t firstItem;
        code = CHGetItemId(record->words[VWPROC_CHUNKER], CHLIST_CHANGES, 0, &firstItem);
    }
    if (code == TRXERR_OK)
        code = g_QDExportOpen(conversionSlot(record), hExport, record->words[VWPROC_CHUNKER], outputFile(record));
    if (code != TRXERR_OK)
        VwExportClose(0, record);
    return code;
}

TRXERR VwExportWrite(uintptr_t, SExportProc* record)
{
    if (!record)
        return TRXERR_BADPARAM;
    return g_QDExportWrite(*conversionSlot(record), record->words[VWPROC_EXPORT]);
}

TRXERR VwExportClose(uintptr_t, SExportProc* record)
{
    if (!record)
        return TRXERR_BADPARAM;
    TRXERR code = g_QDExportClose(conversionSlot(record));
    if (HIOFILE file = outputFile(record)) {
        // A host that cannot close the output fails the export like any
        // other write failure.
        if (file->rtns.close(file) != TRXERR_OK && code == TRXERR_OK)
            code = kFilterFailure;
        record->words[VWPROC_OUTPUT_FILE] = 0;
    }
    return code;
}
