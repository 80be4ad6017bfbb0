#include "filter/Conversion.h"

#include "chunker/ChunkerReader.h"
#include "chunker/UTCharMap.h"
#include "chunker/XlatorManager.h"
#include "core/Stream.h"
#include "icf/ICFWriter.h"
#include "trx/platform.h"

namespace {
const CbrFileLocator kNoFile;
}

// The model's strings map their characters through the host's maps.
CConversion::CConversion()
{
    m_context.setCharacterMapper(std::make_unique<CHostCharacterMapper>());
}

CConversion::~CConversion()
{
    finish();
}

unsigned CConversion::setSourceFile(const CbrFileLocator*)
{
    return 0;
}

unsigned CConversion::setSourceStream(IbrStream*)
{
    return 0;
}

unsigned CConversion::setTargetFile(const CbrFileLocator*)
{
    return 0;
}

unsigned CConversion::setTargetStream(IbrStream* stream)
{
    m_targetStream = stream;
    return 0;
}

unsigned CConversion::setSourceFormat(EbrFormatId format)
{
    m_reader.reset();
    if (format == kFormatChunker)
        m_reader = std::make_unique<CChunkerReader>();
    return 0;
}

unsigned CConversion::setTargetFormat(EbrFormatId format)
{
    m_writer.reset();
    if (format == kFormatICF)
        m_writer = std::make_unique<CICFWriter>();
    return 0;
}

unsigned CConversion::run(EbrToConvert toConvert)
{
    if (!m_reader || !m_writer || !m_targetStream)
        return 0;
    m_nodeFactory.registerWriter(m_writer.get());
    m_reader->initialize(m_sourceStream, m_nodeFactory.getINodeRegistrar(), &m_nodeFactory);
    m_writer->initialize(m_targetStream, m_nodeFactory.getINodeRegistrar());
    // The manager serves this run; the creators it registers belong to the
    // factory.
    CXlatorManager translators;
    translators.initialize(m_nodeFactory.getINodeRegistrar());
    m_reader->read(toConvert);
    m_writer->flush();
    // The export has ended: the character maps it kept go back to the host,
    // and one the host cannot take back fails the export.
    m_context.characterMapper().releaseMaps();
    return 0;
}

unsigned CConversion::registerProgressNotification(IbrProgressNotify*)
{
    return 0;
}

unsigned CConversion::setTempFileInterface(IbrStreamFile*)
{
    return 0;
}

unsigned CConversion::setMemoryInterface(IbrMemory*)
{
    return 0;
}

IbrReaderOptions* CConversion::getReaderOptions()
{
    return m_reader ? m_reader->getOptions() : nullptr;
}

IbrWriterOptions* CConversion::getWriterOptions()
{
    return m_writer ? m_writer->getOptions() : nullptr;
}

const CbrFileLocator& CConversion::getSourceFile()
{
    return kNoFile;
}

IbrStream* CConversion::getSourceStream()
{
    return m_sourceStream;
}

const CbrFileLocator& CConversion::getTargetFile()
{
    return kNoFile;
}

IbrStream* CConversion::getTargetStream()
{
    return m_targetStream;
}

EbrFormatId CConversion::getSourceFormat(EbrIdentifyFile)
{
    return m_reader ? kFormatChunker : kFormatNone;
}

EbrFormatId CConversion::getTargetFormat()
{
    return m_writer ? kFormatICF : kFormatNone;
}

IbrProgressNotify* CConversion::getProgressNotification()
{
    return nullptr;
}

IbrStreamFile* CConversion::getTempFileInterface()
{
    return nullptr;
}

IbrMemory* CConversion::getMemoryInterface()
{
    return nullptr;
}

IbrFormatRecognition* CConversion::getIbrFormatRecognition()
{
    return this;
}

IbrConversionTest* CConversion::getIbrConversionTest()
{
    return this;
}

unsigned CConversion::setReferenceListFileHandle(uintptr_t file)
{
    m_referenceListFile = file;
    return 0;
}

uintptr_t CConversion::getReferenceListFileHandle()
{
    return m_referenceListFile;
}

unsigned CConversion::identifyFile(const CbrFileLocator*)
{
    return 0;
}

unsigned CConversion::identifyStream(IbrStream*)
{
    return 0;
}

unsigned CConversion::setReportingLevel(short level)
{
    m_reportingLevel = level;
    return 0;
}

short CConversion::getReportingLevel()
{
    return m_reportingLevel;
}

void CConversion::adoptReferenceListStream(std::unique_ptr<CQDExportStream> stream)
{
    m_referenceListStream = std::move(stream);
}

bool CConversion::finish()
{
    m_reader.reset();
    m_writer.reset();
    bool complete = !m_referenceListStream || m_referenceListStream->flush();
    m_referenceListStream.reset();
    if (m_referenceListFile == kNoReferenceListFile)
        return complete;
    HIOFILE file = reinterpret_cast<HIOFILE>(m_referenceListFile);
    m_referenceListFile = kNoReferenceListFile;
    return file->rtns.close(file) == TRXERR_OK && complete;
}

void CConversion::adoptDiagnostics(std::unique_ptr<CDiagnosticsLog> log)
{
    m_diagnostics = std::move(log);
}
