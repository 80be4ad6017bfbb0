// The writer side of a conversion: turns node events into the target format.
#pragma once

#include <cstdint>
#include <list>

class IbrStream;
class INodeRegistrar;

enum EbrGfxAction : int32_t { kGfxActionKeep = 0, kGfxActionConvert = 1 };
enum EbrGfxConversion : int32_t { kGfxConversionSelected = 0, kGfxConversionAll = 1 };
enum EbrGfxRects : int32_t { kGfxRectsShown = 0, kGfxRectsHidden = 1 };
enum EbrGfxTempFileDeletion : int32_t { kGfxTempFilesDeleted = 0, kGfxTempFilesKept = 1 };

class IbrWriterOptions {
public:
    virtual ~IbrWriterOptions() = default;
};

class IbrICFWriterOptions : public IbrWriterOptions {
public:
    virtual void setDefaultCodePage(short codePage) = 0;
    virtual short getDefaultCodePage() = 0;
    virtual void enableGraphics() = 0;
    virtual void disableGraphics(EbrGfxRects rects) = 0;
    virtual bool areGraphicsEnabled() = 0;
    virtual void setGraphicsTempFilesDeletion(EbrGfxTempFileDeletion deletion) = 0;
    virtual bool areGraphicTempFilesToBeDeleted() = 0;
    virtual void setEmbeddedGraphicsAction(EbrGfxAction action, EbrGfxConversion conversion, bool flag) = 0;
    virtual void getEmbeddedGraphicsAction(EbrGfxAction* action, EbrGfxConversion* conversion, bool* flag) = 0;
    virtual void setReferencedGraphicsAction(EbrGfxAction action, EbrGfxConversion conversion, bool flag) = 0;
    virtual void getReferencedGraphicsAction(EbrGfxAction* action, EbrGfxConversion* conversion, bool* flag) = 0;
    virtual void setGraphicsToNeverConvertToMSG(const long* list, long count) = 0;
    virtual void generateReferencedFileList(IbrStream* stream) = 0;
    virtual bool isReferencedFileListToBeGenerated(IbrStream** stream) = 0;
    virtual const std::list<long>& getGraphicsToNeverConvertToMSGList() = 0;
    virtual bool areGraphicRectsVisible() = 0;
};

class IbrWriter {
public:
    virtual ~IbrWriter() = default;
};

// Holds the output stream; the concrete writer registers its node writers.
class CWriter : public IbrWriter {
public:
    virtual unsigned initialize(IbrStream* stream, INodeRegistrar* registrar) = 0;
    virtual IbrWriterOptions* getOptions() = 0;
    // Hands the stream whatever output the writer still holds; called when
    // the reader is through.
    virtual void flush() = 0;
    void setStream(IbrStream* stream) { m_stream = stream; }
    IbrStream* getStream() const { return m_stream; }

private:
    IbrStream* m_stream = nullptr;
};
