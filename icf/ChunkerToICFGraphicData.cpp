#include "icf/ChunkerToICFGraphicData.h"

#include "icf/ICFHostFile.h"

#include <cstdio>
#include <memory>
#include <new>

namespace {

// The buffer the temporary file names are made in: "./QT", six digits,
// ".TMP" and its terminator fit with room to spare.
constexpr uint32_t kTempNameSize = 255;

// The name buffer the converters fill; one per process, as they expect.
char g_converterOutName[kTempNameSize];

// The routines converters call back to reach embedded objects and files.
C2IGRAFXRTNS hostFileRoutines()
{
    return {c2iGrafxIfsOpen,   c2iGrafxIfsRead,    c2iGrafxIfsWrite,      c2iGrafxIfsClose, c2iGrafxIfsLSeek,
            c2iGrafxIfsUnlink, c2iGrafxIfsGetSize, c2iGrafxIfsCheckExist, c2iGrafxIfsRename};
}

// A new temporary file and its name, made in `buffer`; false when none can
// be made.
bool newTemporaryName(char (&buffer)[kTempNameSize])
{
    return g_genTempFilename(kTempNameSize, buffer) == C2I_OK;
}

} // namespace

CChunkerToICFGraphicData::CChunkerToICFGraphicData() : m_routines(hostFileRoutines())
{
}

std::unique_ptr<CGraphicData> CChunkerToICFGraphicData::clone() const
{
    return std::unique_ptr<CGraphicData>(new CChunkerToICFGraphicData(*this));
}

void CChunkerToICFGraphicData::setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef)
{
    m_changePosition = changePosition;
    m_objectValue = objectValue;
    m_export = exportRef;
    c2iGrafxSetExportHandle(exportRef);
    char name[sizeof C2I_EMBEDDED_NAME_PREFIX + 16];
    std::snprintf(name, sizeof name, C2I_EMBEDDED_NAME_PREFIX "%08x%08x", changePosition, objectValue);
    m_sourceFileName = name;
}

uint32_t CChunkerToICFGraphicData::getWFWConverterID()
{
    if (m_converterId != 0 || m_recognitionFailed)
        return m_converterId;
    uint32_t result = 0;
    uint32_t detail = 0;
    if (g_fmtprobeFile(m_sourceFileName.c_str(), &result, &detail, &m_routines) == C2I_OK)
        m_converterId = result;
    else
        m_recognitionFailed = true;
    return m_converterId;
}

bool CChunkerToICFGraphicData::convertGraphicData(std::string& fileName)
{
    const uint32_t converter = getWFWConverterID();
    if (converter == 0)
        return false;
    // Before the converter's output file exists, which a failure here would
    // leave behind.
    applyConverterOptions();
    // The converter writes its output to the file named here.
    char converted[kTempNameSize] = {};
    if (!newTemporaryName(converted))
        return false;
    const int code =
        g_callFromSideConverter(converter, g_converterOutName, m_sourceFileName.c_str(), converted, &m_routines);
    if (code == 0) {
        try {
            fileName = converted;
        } catch (...) {
            removeHostFile(converted);
            throw;
        }
        return true;
    }
    // Whatever the converter left in the file is of no use.
    removeHostFile(converted);
    return false;
}

void CChunkerToICFGraphicData::applyConverterOptions() const
{
    uint32_t callback = 0;
    uint32_t size = DAOPT_NUMERIC_SIZE;
    if (DAGetOption(m_export, DAOPT_SUBDISPLAY_CALLBACK, &callback, &size) == TRXERR_OK)
        g_setSubdisplayCallback(callback);
    // One byte more than the host may deliver, so that the path ends in 0.
    // Failing to allocate it fails the export rather than convert without
    // the host's converters.
    auto path = std::make_unique<char[]>(DAOPT_LIST_SIZE + 1);
    size = DAOPT_LIST_SIZE;
    if (DAGetOption(m_export, DAOPT_EXECUTION_PATH, path.get(), &size) == TRXERR_OK)
        g_setExecutionPath(path.get());
}

bool CChunkerToICFGraphicData::chunkerOpenGraphicData(void** file)
{
    if (!file)
        return false;
    HIOFILE handle = nullptr;
    if (c2iGrafxOpenGraphicData(&handle, m_changePosition, m_objectValue) != C2I_OK || !handle)
        return false;
    *file = handle;
    return true;
}

bool CChunkerToICFGraphicData::writeGraphicDataToDisk(std::string& fileName)
{
    HIOFILE source = nullptr;
    if (!chunkerOpenGraphicData(reinterpret_cast<void**>(&source)))
        return false;
    CHostFile embedded(source);
    char copy[kTempNameSize] = {};
    if (!newTemporaryName(copy))
        return false;
    HIOFILE target = nullptr;
    if (IOOpen(&target, IOTYPE_PATH, copy, IOACCESS_WRITE) != TRXERR_OK || !target) {
        removeHostFile(copy);
        return false;
    }
    CHostFile(target).copyFrom(embedded);
    fileName = copy;
    return true;
}
