// The output end of a conversion. CICFWriter holds the output stream and the
// writer options, registers the node writers with the node factory, and owns
// the only routines that put bytes into the output: every ICF byte passes
// through writeByte, writeByteArray, writeAsciiDecimal,
// writeAsciiHexadecimal or writeAsciiHexByteArray. The bytes collect in a
// buffer that reaches the stream in runs, so that the stream is not called
// once per byte of text or per part of a command.
#pragma once

#include "core/Writer.h"
#include "icf/ICFBookmarkLevelMap.h"
#include "icf/ICFParagraphNumberTracking.h"
#include "icf/ICFReferenceMap.h"
#include "icf/ICFStrandPropertiesWriter.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>

class CICFCommand;

class CICFWriter : public IbrICFWriterOptions, public CWriter {
public:
    // Writes that fit beside the bytes held collect in the buffer; a write
    // that does not makes the buffer go to the stream first, and one larger
    // than the buffer then goes to the stream directly.
    static constexpr std::size_t kBufferSize = 512;
    // The code page assumed when the host names none: Windows Western.
    static constexpr short kDefaultCodePage = 1252;

    CICFWriter() = default;
    ~CICFWriter() override;
    CICFWriter(const CICFWriter&) = delete;
    CICFWriter& operator=(const CICFWriter&) = delete;

    // Writer options, set from the host's export options.
    void setDefaultCodePage(short codePage) override { m_defaultCodePage = codePage; }
    short getDefaultCodePage() override { return m_defaultCodePage; }
    // Turns graphics on with their rectangles visible.
    void enableGraphics() override;
    // Turns graphics off; their rectangles stay visible only for kGfxRectsShown.
    void disableGraphics(EbrGfxRects rects) override;
    bool areGraphicsEnabled() override { return m_graphicsEnabled; }
    void setGraphicsTempFilesDeletion(EbrGfxTempFileDeletion deletion) override { m_tempFileDeletion = deletion; }
    bool areGraphicTempFilesToBeDeleted() override { return m_tempFileDeletion == kGfxTempFilesDeleted; }
    // The flag is not kept: the getters always report false for it.
    void setEmbeddedGraphicsAction(EbrGfxAction action, EbrGfxConversion conversion, bool flag) override;
    void getEmbeddedGraphicsAction(EbrGfxAction* action, EbrGfxConversion* conversion, bool* flag) override;
    void setReferencedGraphicsAction(EbrGfxAction action, EbrGfxConversion conversion, bool flag) override;
    void getReferencedGraphicsAction(EbrGfxAction* action, EbrGfxConversion* conversion, bool* flag) override;
    // Appends the non-zero entries among the first `count` of `list`.
    void setGraphicsToNeverConvertToMSG(const long* list, long count) override;
    void generateReferencedFileList(IbrStream* stream) override { m_referencedFileList = stream; }
    // Whether a referenced-file list is to be written; `stream` (if not
    // null) receives its stream.
    bool isReferencedFileListToBeGenerated(IbrStream** stream) override;
    const std::list<long>& getGraphicsToNeverConvertToMSGList() override { return m_neverConvert; }
    bool areGraphicRectsVisible() override { return m_graphicRectsVisible; }

    // Stores the stream and registers the node writers with the registrar.
    unsigned initialize(IbrStream* stream, INodeRegistrar* registrar) override;
    IbrICFWriterOptions* getOptions() override { return this; }

    // Output. While output is disabled, or before a stream is set, nothing
    // is written. A stream that takes fewer bytes than it was handed raises
    // ExICFWriter from the write that handed them on (naming its routine).
    void writeByte(unsigned char byte);
    // Nothing for a null array.
    void writeByteArray(unsigned long count, const unsigned char* bytes);
    // The value read as a signed 32-bit number: "-" and the digits of its
    // magnitude when negative, no leading zeros.
    void writeAsciiDecimal(unsigned long value);
    // Lowercase digits of the value as an unsigned 32-bit number, padded
    // with "0" to 2 x minBytes digits; longer results keep only their
    // low-order 2 x max(minBytes, maxBytes) digits.
    void writeAsciiHexadecimal(unsigned long value, unsigned char minBytes, unsigned char maxBytes);
    // Two hexadecimal digits per byte; nothing for a null array.
    void writeAsciiHexByteArray(unsigned long count, const unsigned char* bytes);
    // Hands the buffered bytes to the stream; a short write raises
    // ExICFWriter as writeByteArray does. A run ends with it, so that the
    // stream holds the whole output before anything else reaches its file.
    void flush() override;
    // The bytes that `command` writes while output and command writers are
    // enabled, returned instead of written.
    std::string render(const CICFCommand& command);

    // Output suppression is counted: each disableOutput needs its
    // enableOutput. The command layer swallows whole commands with it.
    void disableOutput() { ++m_disableCount; }
    void enableOutput();
    bool isOutputEnabled() const { return m_disableCount == 0; }

    // The character properties writer shared by all strand and style writers.
    CICFStrandPropertiesWriter* getStrandPropertiesWriter() { return &m_strandPropertiesWriter; }
    // The running numbers of the numbered lists written so far.
    CICFParagraphNumberTracking* getParagraphNumberTracker() { return &m_paragraphNumbers; }

    // The references begun and not yet ended, by name.
    CICFReferenceMap& getReferenceBeginEndMap() { return m_references; }
    // The TOC bookmarks begun and not yet ended, by name.
    CICFBookmarkLevelMap& getBookmarkLevelNameMap() { return m_bookmarkLevels; }

    bool hasSectionBeenWritten() const { return m_sectionWritten; }
    void setSectionWritten(bool written) { m_sectionWritten = written; }

private:
    void registerNodeWriters(INodeRegistrar* registrar);
    // Takes `count` bytes into the output (or the rendering under way); a
    // short write of the stream that this causes raises ExICFWriter with
    // `failure`.
    void put(unsigned long count, const void* bytes, const char* failure);
    // Appends to the buffer, which has room for the bytes.
    void hold(unsigned long count, const void* bytes);
    // Empties the buffer into the stream.
    void flushBuffer(const char* failure);
    // Hands `count` bytes to the stream in one write; a short write raises
    // ExICFWriter with `failure`.
    void writeToStream(unsigned long count, const void* bytes, const char* failure);

    short m_defaultCodePage = kDefaultCodePage;
    bool m_sectionWritten = false;
    bool m_graphicsEnabled = true;
    bool m_graphicRectsVisible = false;
    EbrGfxTempFileDeletion m_tempFileDeletion = kGfxTempFilesDeleted;
    EbrGfxAction m_embeddedAction = kGfxActionKeep;
    EbrGfxConversion m_embeddedConversion = kGfxConversionSelected;
    EbrGfxAction m_referencedAction = kGfxActionKeep;
    EbrGfxConversion m_referencedConversion = kGfxConversionSelected;
    IbrStream* m_referencedFileList = nullptr; // not owned
    int32_t m_disableCount = 0;
    unsigned char m_buffer[kBufferSize];
    std::size_t m_held = 0;
    std::string* m_rendering = nullptr; // where render collects the bytes, not owned
    std::list<long> m_neverConvert;
    CICFStrandPropertiesWriter m_strandPropertiesWriter;
    CICFParagraphNumberTracking m_paragraphNumbers;
    // Last, so that they go first: the commands they keep open finish while
    // the rest of the writer still stands, with output already switched off.
    CICFBookmarkLevelMap m_bookmarkLevels;
    CICFReferenceMap m_references;
};
