/*
 * The host platform interface: the document access, chunker item, host file
 * and character mapping services that a conversion host provides to an export
 * filter. The filter reaches the host only through this header; any host that
 * implements these services (in libtrx_da.so and libtrx_ch.so) can load it.
 */
#ifndef TRX_PLATFORM_H
#define TRX_PLATFORM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Marks a symbol the host libraries export. */
#define TRX_API __attribute__((visibility("default")))

/* Host error codes. Every service returns one; 0 means success. */
typedef int32_t TRXERR;
#define TRXERR_OK 0
#define TRXERR_BADPARAM 15
#define TRXERR_NOITEM 37
#define TRXERR_NOFILE (-5) /* IOOpen: the file does not exist */
#define TRXERR_EOF (-9)    /* host file read: end of file */

/* Opaque host handles. */
typedef uintptr_t HEXPORT;
typedef uintptr_t HCHUNKER;
typedef uintptr_t HDOC;

/* A host file handle points at a record whose first member is the table of
 * its routines; each routine takes the handle first. A host extends the
 * record with its own members after the table. */
typedef struct IOFILEtag* HIOFILE;

typedef struct IORTNStag {
    TRXERR (*close)(HIOFILE h);
    TRXERR (*read)(HIOFILE h, void* buffer, uint32_t size, uint32_t* bytesRead);
    TRXERR (*write)(HIOFILE h, const void* buffer, uint32_t size, uint32_t* bytesWritten);
    TRXERR (*seek)(HIOFILE h, uint16_t origin, int32_t offset);
    TRXERR (*tell)(HIOFILE h, uint32_t* position);
    TRXERR (*getInfo)(HIOFILE h, uint32_t item, void* value);
} IORTNS;

typedef struct IOFILEtag {
    IORTNS rtns;
} IOFILE;

/* Seek origins. */
#define IOSEEK_START 0
#define IOSEEK_CURRENT 1
#define IOSEEK_END 2

/* getInfo items. */
#define IOINFO_SIZE 11 /* uint32_t: size of the file in bytes */

/* File specification types. */
#define IOTYPE_PATH 15     /* a zero-terminated plain path */
#define IOTYPE_EMBEDDED 16 /* a DAEMBEDDEDSPEC, for DAOpenDocument */

/* Access values of IOCreate and IOOpen. */
#define IOACCESS_READ 1      /* read an existing file */
#define IOACCESS_WRITE 2     /* write to an existing file */
#define IOACCESS_READWRITE 3 /* create (IOCreate) or open for reading and writing */
#define IOACCESS_DELETE 5    /* open for deletion: once closed, the file is gone */
#define IOACCESS_CHECK 6     /* open to check that a file exists and can be read */

/* Item list types of a document. */
#define CHLIST_CHANGES 0
#define CHLIST_TEXT 2
#define CHLIST_DATA 3
#define CHLIST_PROPERTY_TEXT 9
#define CHLIST_ROW_FORMATS 10
#define CHLIST_CELL_FORMATS 11
#define CHLIST_FONTS 12
#define CHLIST_EMBEDDED_OBJECTS 13
#define CHLIST_TAG_TRACKS 16

/* Sizes in bytes of the item records that CHGetItem copies, per list.
 * Changes, fonts and tag tracks hold native 32-bit words; row formats,
 * cell formats and embedded objects hold big-endian 32-bit fields. */
#define CHRECORD_SIZE_CHANGE 16 /* type, value 1, value 2, value 3 */
#define CHRECORD_SIZE_ROW_FORMAT 32
#define CHRECORD_SIZE_CELL_FORMAT 128
#define CHRECORD_SIZE_FONT 20 /* id, unused, name id, name length, character set */
#define CHRECORD_SIZE_EMBEDDED_OBJECT 144
#define CHRECORD_SIZE_TAG_TRACK 12 /* change id, key 2, key 1 */

/* Specification of an embedded object for DAOpenDocument (type 16). */
typedef struct DAEMBEDDEDSPECtag {
    uint32_t size;  /* 24: the size of the record as the filter fills it */
    HDOC document;  /* the document that holds the object */
    uint32_t first; /* the two numbers that identify the object */
    uint32_t second;
    uint32_t reserved[2];
} DAEMBEDDEDSPEC;

/* Export option ids served by DAGetOption. Numeric options take 4 bytes,
 * string and list options up to 1024. */
#define DAOPT_REPORTING_LEVEL 32
#define DAOPT_DEFAULT_CODE_PAGE 36
#define DAOPT_EXECUTION_PATH 37 /* the folder of the graphic converters, a string */
#define DAOPT_ENABLE_GRAPHICS 38
#define DAOPT_KEEP_GRAPHIC_TEMP_FILES 39
#define DAOPT_EMBEDDED_GRAPHICS_CONVERT 40
#define DAOPT_REFERENCED_GRAPHICS_KEEP 41
#define DAOPT_REFERENCED_GRAPHICS_CONVERT 42
#define DAOPT_NEVER_CONVERT_LIST 43
#define DAOPT_CONVERT_ALL_GRAPHICS 44
#define DAOPT_CONVERT_ALL_GRAPHICS_CHECKED 45
#define DAOPT_DISABLE_GRAPHICS 46
#define DAOPT_DISABLE_GRAPHICS_RECTS 47
#define DAOPT_REFERENCED_FILE_LIST 54
#define DAOPT_SUBDISPLAY_CALLBACK 59 /* a value handed on to graphic converters */
/* Project-defined, outside the host's own option ids: the path (a string
 * option ending in a zero byte) of a diagnostics file that the filter
 * creates with IOCreate. Every failure of the export adds the line
 * "failure CODE REASON": CODE is the host code the export call returns,
 * REASON the failure's message with its line breaks turned into blanks.
 * When the export closes, a line "unhandled TYPE COUNT" follows for every
 * change type that reached no handler, in increasing type order. A host that
 * does not set the option gets no diagnostics file. */
#define DAOPT_DIAGNOSTICS_FILE 1000
#define DAOPT_NUMERIC_SIZE 4
#define DAOPT_LIST_SIZE 1024

/* Character mapping. A map is opaque to its user; a request names the
 * source character set and, in order of preference, up to 25 targets. */
typedef struct CMAPtag {
    uint32_t words[3];
} CMAP;

#define CM_MAX_TARGETS 25
typedef struct CMINPUTtag {
    uint32_t sourceCharSet;
    uint32_t targetCount;
    uint32_t targetCharSets[CM_MAX_TARGETS];
    uint32_t reserved[2];
} CMINPUT;

/* Document access (libtrx_da.so). */
TRX_API TRXERR DAGetHChunker(HEXPORT hExport, HCHUNKER* hChunker);
TRX_API TRXERR DAGetOption(HEXPORT hExport, uint32_t id, void* buffer, uint32_t* size);
TRX_API TRXERR DARetrieveDocHandle(HEXPORT hExport, HDOC* hDoc);
TRX_API TRXERR DAOpenDocument(HDOC* hDoc, uint32_t specType, void* spec, uint32_t flags);
TRX_API TRXERR DAGetHIOFile(HDOC hDoc, HIOFILE* hFile);

/* Chunker items (libtrx_ch.so). */
TRX_API TRXERR CHGetItemId(HCHUNKER hChunker, uint32_t listType, uint32_t index, uint32_t* itemId);
TRX_API TRXERR CHNextItemId(HCHUNKER hChunker, uint32_t listType, uint32_t itemId, uint32_t* nextId);
TRX_API TRXERR CHGetItem(HCHUNKER hChunker, uint32_t listType, uint32_t itemId, void* record, uint32_t* itemIdInOut);
TRX_API TRXERR CHGetItems(HCHUNKER hChunker, uint32_t listType, uint32_t itemId, uint32_t count, uint16_t* buffer);

/* Host files (libtrx_da.so). */
TRX_API TRXERR IOCreate(HIOFILE* hFile, uint32_t specType, const void* spec, uint32_t access);
TRX_API TRXERR IOOpen(HIOFILE* hFile, uint32_t specType, const void* spec, uint32_t access);

/* Character maps (libtrx_da.so). out[0] is the index in targetCharSets of
 * the first target that represents the character, out[1] its code there
 * (a double-byte code has its lead byte high). */
TRX_API TRXERR UTCreateMap(CMAP* map, const CMINPUT* request);
TRX_API TRXERR UTReleaseMap(CMAP* map);
TRX_API TRXERR UTMapCharRtn(CMAP* map, uint16_t character, uint16_t out[2]);

#ifdef __cplusplus
}
#endif

#endif
