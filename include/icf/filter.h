/*
 * The ICF export filter's entry points, as a host sees them after loading the
 * filter: the routine table, the per-export record and the export calls.
 */
#ifndef ICF_FILTER_H
#define ICF_FILTER_H

#include "trx/platform.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The per-export record: nine pointer-sized words owned by the host. */
enum {
    VWPROC_OUTPUT_FILE = 0, /* host output file handle */
    VWPROC_EXPORT = 2,      /* export handle */
    VWPROC_CHUNKER = 3,     /* chunker handle */
    VWPROC_KEPT = 4,        /* third argument of VwExportOpen */
    VWPROC_CONVERSION = 5,  /* the session's conversion, or null */
    VWPROC_USER1 = 6,
    VWPROC_USER2 = 7,
    VWPROC_WORDS = 9
};
typedef struct SExportProc {
    uintptr_t words[VWPROC_WORDS];
} SExportProc;

/* Slots of the routine table that VwGetRtns fills. */
typedef void (*VWRTN)(void);
enum {
    VWRTN_GETINFO = 5,
    VWRTN_LOCALUP = 8,
    VWRTN_LOCALDOWN = 9,
    VWRTN_ALLOCPROC = 10,
    VWRTN_FREEPROC = 11,
    VWRTN_SETUSER = 12,
    VWRTN_EXPORTOPEN = 19,
    VWRTN_EXPORTCLOSE = 20,
    VWRTN_EXPORTWRITE = 21,
    VWRTN_SLOTS = 22
};

typedef void (*VWGETRTNS)(VWRTN* table, uint16_t slotCount);
typedef int32_t (*VWGETINFO)(void* buffer, uint16_t item, void* record);
typedef SExportProc* (*VWALLOCPROC)(void);
typedef void (*VWFREEPROC)(SExportProc* record);
typedef void (*VWSETUSER)(uintptr_t first, uintptr_t second, SExportProc* record);
typedef void (*VWLOCALUPDOWN)(uintptr_t, uintptr_t, uintptr_t);
typedef TRXERR (*VWEXPORTOPEN)(uint32_t specType, const void* spec, uintptr_t kept, HEXPORT hExport, uintptr_t unused1,
                               uintptr_t unused2, SExportProc* record);
typedef TRXERR (*VWEXPORTWRITE)(uintptr_t unused, SExportProc* record);
typedef TRXERR (*VWEXPORTCLOSE)(uintptr_t unused, SExportProc* record);

#ifdef __cplusplus
}
#endif

#endif
