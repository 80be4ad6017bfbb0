/*
 * The graphic and temporary file services and the side-converter loading
 * that the export filter exports. The filter uses them to hand embedded
 * graphics to graphic converters as files; the converter and recognition
 * libraries, which the filter loads at run time, call the same routines
 * back (through the routine table they are given, or by name).
 */
#ifndef TRX_FILESERVICES_H
#define TRX_FILESERVICES_H

#include "trx/platform.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Marks a symbol the filter library exports. */
#define TRX_FILTER_API __attribute__((visibility("default")))

/* The invalid host file handle (all bits set). */
#define C2I_INVALID_HANDLE ((HIOFILE)(uintptr_t)-1)

/* The name of an embedded object of the host document, opened like a file:
 * this prefix, then the object's two numbers as eight hexadecimal digits each. */
#define C2I_EMBEDDED_NAME_PREFIX "c2i_546_SRC_"

/* Modes of c2iGrafxIfsOpen and ifsOpen. */
#define IFS_MODE_READ 1
#define IFS_MODE_WRITE 2      /* ifsOpen: create or truncate; c2iGrafxIfsOpen: IOCreate */
#define IFS_MODE_READWRITE 3  /* ifsOpen: read and write, create */
#define IFS_MODE_APPEND 4     /* read and write at the end, create */
#define IFS_MODE_EXCLUSIVE 16 /* ifsOpen: create a file that must not exist */

/* Codes of the name and copy services. */
#define C2I_OK 0
#define C2I_FAILED 16 /* name creation, embedded-object opening, loading */

/* Execution path: the folder where the graphic converter libraries are. */
TRX_FILTER_API int setExecutionPath(const char* path);
TRX_FILTER_API int g_setExecutionPath(const char* path);
TRX_FILTER_API int getExecutionPath(char* buffer);
TRX_FILTER_API int isExecutionPathEmpty(void);

/* Graphic file services over host files. */
TRX_FILTER_API void c2iGrafxSetExportHandle(HEXPORT hExport);
TRX_FILTER_API int c2iGrafxOpenGraphicData(HIOFILE* handle, uint32_t first, uint32_t second);
TRX_FILTER_API HIOFILE c2iGrafxIfsOpen(const char* name, int mode, int unused);
TRX_FILTER_API int32_t c2iGrafxIfsRead(HIOFILE handle, void* buffer, uint32_t size);
TRX_FILTER_API int32_t c2iGrafxIfsWrite(HIOFILE handle, const void* buffer, uint32_t size);
TRX_FILTER_API int c2iGrafxIfsClose(HIOFILE handle);
TRX_FILTER_API int32_t c2iGrafxIfsLSeek(HIOFILE handle, int32_t offset, int origin);
TRX_FILTER_API int c2iGrafxIfsUnlink(const char* name);
TRX_FILTER_API int32_t c2iGrafxIfsGetSize(const char* name);
TRX_FILTER_API int c2iGrafxIfsCheckExist(const char* name);
TRX_FILTER_API int c2iGrafxIfsRename(const char* oldName, const char* newName);

/* The nine host-file routines in one table, as converters are handed them. */
typedef struct C2IGRAFXRTNStag {
    HIOFILE (*open)(const char* name, int mode, int unused);
    int32_t (*read)(HIOFILE handle, void* buffer, uint32_t size);
    int32_t (*write)(HIOFILE handle, const void* buffer, uint32_t size);
    int (*close)(HIOFILE handle);
    int32_t (*lseek)(HIOFILE handle, int32_t offset, int origin);
    int (*unlink)(const char* name);
    int32_t (*getSize)(const char* name);
    int (*checkExist)(const char* name);
    int (*rename)(const char* oldName, const char* newName);
} C2IGRAFXRTNS;

/* Plain file services (descriptors of the operating system). */
TRX_FILTER_API int ifsOpen(const char* path, int mode);
TRX_FILTER_API int setPermissionRights(int permissions);
TRX_FILTER_API int32_t ifsRead(int descriptor, void* buffer, uint32_t size);
TRX_FILTER_API int32_t ifsWrite(int descriptor, const void* buffer, uint32_t size);
TRX_FILTER_API int ifsClose(int descriptor);
TRX_FILTER_API int32_t ifsLSeek(int descriptor, int32_t offset, int origin);
TRX_FILTER_API int ifsUnlink(const char* path);
TRX_FILTER_API int32_t ifsGetSize(const char* path);
TRX_FILTER_API int ifsCheckExist(const char* path);
TRX_FILTER_API int ifsRename(const char* oldPath, const char* newPath);

/* Temporary files: "./QT", six counter digits, ".TMP". */
TRX_FILTER_API void initTempFileCounter(void);
TRX_FILTER_API uint32_t getTempFileCounter(void);
TRX_FILTER_API void setTempFileCounter(uint32_t counter);
TRX_FILTER_API uint32_t incrementTempFileCounter(void);
TRX_FILTER_API int isTempFileCounterInitialized(void);
TRX_FILTER_API void getTempFileCounterString(char* buffer);
TRX_FILTER_API int createTemporaryFile(uint32_t bufferSize, char* name);
TRX_FILTER_API int g_genTempFilename(uint32_t bufferSize, char* name);
TRX_FILTER_API int cutGraphicToDisk(const char* source, char* temporaryName);
TRX_FILTER_API int g_setSubdisplayCallback(uint32_t value);
TRX_FILTER_API uint32_t asciiHexToLong(const char* text);

/* Side converters: a recognition library and numbered graphic converters. */
TRX_FILTER_API extern const char* kpchFmtprobe;
TRX_FILTER_API int libLoadUsingUserSuffix(const char* baseName, void** handle, const char* suffix);
TRX_FILTER_API int libLoad(const char* baseName, void** handle);
TRX_FILTER_API void* libGetFunction(void* handle, const char* symbol);
TRX_FILTER_API int libClose(void* handle);
TRX_FILTER_API int g_fmtprobeFile(const char* fileName, uint32_t* result, uint32_t* detail, void* argument);
TRX_FILTER_API int g_callFromSideConverter(uint32_t converter, char* outName, const char* source, void* argument,
                                           void* unused);

/* The entry points of the side libraries. */
typedef int32_t (*FMTPROBEFILE)(const char* fileName, uint32_t unused, uint32_t* detail, void* argument);
typedef int (*MAINENTRYPOINT)(const char* input, void* argument, char* outName, char** arguments, int unused1,
                              int unused2);
#define C2I_FMTPROBE_ENTRY "FmtProbeFile"
#define C2I_CONVERTER_ENTRY "MainEntryPoint"

#ifdef __cplusplus
}
#endif

#endif
