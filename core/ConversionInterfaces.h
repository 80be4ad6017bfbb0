// The conversion framework's interfaces: what a host-side driver sees of a
// conversion that binds one reader to one writer.
#pragma once

#include <cstdint>
#include <string>

class IbrStream;
class IbrReaderOptions;
class IbrWriterOptions;

enum EbrFormatId : int32_t { kFormatNone = 0, kFormatChunker = 1, kFormatICF = 2 };
enum EbrToConvert : int32_t { kConvertAll = 0 };
enum EbrIdentifyFile : int32_t { kIdentifyFormat = 0 };

// Names a file; conversions driven by the host work on streams and keep none.
class CbrFileLocator {
public:
    const std::string& getPath() const { return m_path; }

private:
    std::string m_path;
};

// Services a driver may offer a conversion; this filter takes none of them.
class IbrProgressNotify;
class IbrStreamFile;
class IbrMemory;

class IbrFormatRecognition {
public:
    virtual ~IbrFormatRecognition() = default;
    virtual unsigned identifyFile(const CbrFileLocator* file) = 0;
    virtual unsigned identifyStream(IbrStream* stream) = 0;
};

class IbrConversionTest {
public:
    virtual ~IbrConversionTest() = default;
    virtual unsigned setReportingLevel(short level) = 0;
    virtual short getReportingLevel() = 0;
};

class IbrConversion {
public:
    virtual ~IbrConversion() = default;
    virtual unsigned setSourceFile(const CbrFileLocator* file) = 0;
    virtual unsigned setSourceStream(IbrStream* stream) = 0;
    virtual unsigned setTargetFile(const CbrFileLocator* file) = 0;
    virtual unsigned setTargetStream(IbrStream* stream) = 0;
    virtual unsigned setSourceFormat(EbrFormatId format) = 0;
    virtual unsigned setTargetFormat(EbrFormatId format) = 0;
    virtual unsigned run(EbrToConvert toConvert) = 0;
    virtual unsigned registerProgressNotification(IbrProgressNotify* notify) = 0;
    virtual unsigned setTempFileInterface(IbrStreamFile* files) = 0;
    virtual unsigned setMemoryInterface(IbrMemory* memory) = 0;
    virtual IbrReaderOptions* getReaderOptions() = 0;
    virtual IbrWriterOptions* getWriterOptions() = 0;
    virtual const CbrFileLocator& getSourceFile() = 0;
    virtual IbrStream* getSourceStream() = 0;
    virtual const CbrFileLocator& getTargetFile() = 0;
    virtual IbrStream* getTargetStream() = 0;
    virtual EbrFormatId getSourceFormat(EbrIdentifyFile identify) = 0;
    virtual EbrFormatId getTargetFormat() = 0;
    virtual IbrProgressNotify* getProgressNotification() = 0;
    virtual IbrStreamFile* getTempFileInterface() = 0;
    virtual IbrMemory* getMemoryInterface() = 0;
    virtual IbrFormatRecognition* getIbrFormatRecognition() = 0;
    virtual IbrConversionTest* getIbrConversionTest() = 0;
    virtual unsigned setReferenceListFileHandle(uintptr_t file) = 0;
    virtual uintptr_t getReferenceListFileHandle() = 0;
    virtual unsigned identifyFile(const CbrFileLocator* file) = 0;
    virtual unsigned identifyStream(IbrStream* stream) = 0;
    virtual unsigned setReportingLevel(short level) = 0;
    virtual short getReportingLevel() = 0;
};
