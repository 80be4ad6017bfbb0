// A conversion binds one reader to one writer and runs them once. It owns
// the context of its export: one conversion at a time can exist in a
// process, and making a second one raises ExAssertionFailed.
#pragma once

#include "core/ConversionInterfaces.h"
#include "core/ExportContext.h"
#include "core/Reader.h"
#include "core/Writer.h"
#include "filter/DiagnosticsLog.h"
#include "filter/QDExportStream.h"
#include "model/NodeFactory.h"

#include <cstdint>
#include <memory>

class CConversion : public IbrConversion, public IbrFormatRecognition, public IbrConversionTest {
public:
    // The reference-list file handle when there is none.
    static constexpr uintptr_t kNoReferenceListFile = UINTPTR_MAX;

    CConversion();
    ~CConversion() override;
    CConversion(const CConversion&) = delete;
    CConversion& operator=(const CConversion&) = delete;

    unsigned setSourceFile(const CbrFileLocator* file) override;
    unsigned setSourceStream(IbrStream* stream) override;
    unsigned setTargetFile(const CbrFileLocator* file) override;
    unsigned setTargetStream(IbrStream* stream) override;
    unsigned setSourceFormat(EbrFormatId format) override;
    unsigned setTargetFormat(EbrFormatId format) override;
    unsigned run(EbrToConvert toConvert) override;
    unsigned registerProgressNotification(IbrProgressNotify* notify) override;
    unsigned setTempFileInterface(IbrStreamFile* files) override;
    unsigned setMemoryInterface(IbrMemory* memory) override;
    IbrReaderOptions* getReaderOptions() override;
    IbrWriterOptions* getWriterOptions() override;
    const CbrFileLocator& getSourceFile() override;
    IbrStream* getSourceStream() override;
    const CbrFileLocator& getTargetFile() override;
    IbrStream* getTargetStream() override;
    EbrFormatId getSourceFormat(EbrIdentifyFile identify) override;
    EbrFormatId getTargetFormat() override;
    IbrProgressNotify* getProgressNotification() override;
    IbrStreamFile* getTempFileInterface() override;
    IbrMemory* getMemoryInterface() override;
    IbrFormatRecognition* getIbrFormatRecognition() override;
    IbrConversionTest* getIbrConversionTest() override;
    unsigned setReferenceListFileHandle(uintptr_t file) override;
    uintptr_t getReferenceListFileHandle() override;
    unsigned identifyFile(const CbrFileLocator* file) override;
    unsigned identifyStream(IbrStream* stream) override;
    unsigned setReportingLevel(short level) override;
    short getReportingLevel() override;

    // Takes the stream over the reference-list file; it is flushed and
    // destroyed before that file is closed.
    void adoptReferenceListStream(std::unique_ptr<CQDExportStream> stream);
    // Destroys the reader and the writer, then flushes and closes the
    // reference-list file, as the destructor does; false when the host
    // refused the list's last bytes or its close.
    bool finish();

    // The diagnostics file the host asked for, or null.
    void adoptDiagnostics(std::unique_ptr<CDiagnosticsLog> log);
    CDiagnosticsLog* getDiagnostics() { return m_diagnostics.get(); }

private:
    // First made and last destroyed: everything below may use it.
    CExportContext m_context;
    uintptr_t m_referenceListFile = kNoReferenceListFile;
    short m_reportingLevel = 0;
    std::unique_ptr<CReader> m_reader;
    std::unique_ptr<CWriter> m_writer;
    IbrStream* m_sourceStream = nullptr;
    IbrStream* m_targetStream = nullptr;
    CNodeFactory m_nodeFactory;
    std::unique_ptr<CQDExportStream> m_referenceListStream;
    std::unique_ptr<CDiagnosticsLog> m_diagnostics;
};
