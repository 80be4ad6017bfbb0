#include "icf/ICFWriter.h"

#include "core/Exceptions.h"
#include "core/Stream.h"
#include "icf/ChunkerToICFGraphicData.h"
#include "icf/ICFBookmarkNodeWriters.h"
#include "icf/ICFCommand.h"
#include "icf/ICFDocumentNodeWriter.h"
#include "icf/ICFFieldNodeWriters.h"
#include "icf/ICFFontTableNodeWriter.h"
#include "icf/ICFFrameCSNodeWriter.h"
#include "icf/ICFGeneratedTextNodeWriters.h"
#include "icf/ICFGraphicCSNodeWriter.h"
#include "icf/ICFHeaderFooterNodeWriter.h"
#include "icf/ICFIndexBookmarkNodeWriters.h"
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFNoteNodeWriters.h"
#include "icf/ICFParagraphNodeWriter.h"
#include "icf/ICFReferenceNodeWriters.h"
#include "icf/ICFSectionNodeWriter.h"
#include "icf/ICFSpecialCharNodeWriters.h"
#include "icf/ICFStyleNodeWriters.h"
#include "icf/ICFStyleTableNodeWriter.h"
#include "icf/ICFSummaryNodeWriters.h"
#include "icf/ICFTableNodeWriters.h"
#include "icf/ICFTextStrandNodeWriter.h"
#include "icf/ICFTocBookmarkNodeWriters.h"
#include "model/StringUtil.h"

#include <cstring>
#include <limits>
#include <string>
#include <utility>

namespace {

constexpr char kDecimalWriteFailed[] = "REQUIRE: bytesWritten == amountToWrite\n\tFile: WICF  ln(169)";
constexpr char kHexadecimalWriteFailed[] = "REQUIRE: bytesWritten == amountToWrite\n\tFile: WICF  ln(188)";
constexpr char kByteArrayWriteFailed[] = "REQUIRE: bytesWritten == dwByteCount\n\tFile: WICF  ln(224)";
constexpr char kByteWriteFailed[] = "REQUIRE: bytesWritten == 1\n\tFile: WICF  ln(243)";

// The stream's write takes a 32-bit count: a longer array cannot be
// written in one call and counts as a short write.
constexpr unsigned long kMaxStreamWrite = std::numeric_limits<unsigned>::max();

void reportGraphicsAction(EbrGfxAction storedAction, EbrGfxConversion storedConversion, EbrGfxAction* action,
                          EbrGfxConversion* conversion, bool* flag)
{
    if (action)
        *action = storedAction;
    if (conversion)
        *conversion = storedConversion;
    if (flag)
        *flag = false;
}

} // namespace

CICFWriter::~CICFWriter()
{
    // Nothing may reach the stream while the shared node-writer state is torn down.
    disableOutput();
}

void CICFWriter::enableGraphics()
{
    m_graphicsEnabled = true;
    m_graphicRectsVisible = true;
}

void CICFWriter::disableGraphics(EbrGfxRects rects)
{
    m_graphicsEnabled = false;
    m_graphicRectsVisible = rects == kGfxRectsShown;
}

void CICFWriter::setEmbeddedGraphicsAction(EbrGfxAction action, EbrGfxConversion conversion, bool)
{
    m_embeddedAction = action;
    m_embeddedConversion = conversion;
}

void CICFWriter::getEmbeddedGraphicsAction(EbrGfxAction* action, EbrGfxConversion* conversion, bool* flag)
{
    reportGraphicsAction(m_embeddedAction, m_embeddedConversion, action, conversion, flag);
}

void CICFWriter::setReferencedGraphicsAction(EbrGfxAction action, EbrGfxConversion conversion, bool)
{
    m_referencedAction = action;
    m_referencedConversion = conversion;
}

void CICFWriter::getReferencedGraphicsAction(EbrGfxAction* action, EbrGfxConversion* conversion, bool* flag)
{
    reportGraphicsAction(m_referencedAction, m_referencedConversion, action, conversion, flag);
}

void CICFWriter::setGraphicsToNeverConvertToMSG(const long* list, long count)
{
    if (!list)
        return;
    for (long i = 0; i < count; ++i) {
        if (list[i] != 0)
            m_neverConvert.push_back(list[i]);
    }
}

bool CICFWriter::isReferencedFileListToBeGenerated(IbrStream** stream)
{
    if (stream)
        *stream = m_referencedFileList;
    return m_referencedFileList != nullptr;
}

unsigned CICFWriter::initialize(IbrStream* stream, INodeRegistrar* registrar)
{
    setStream(stream);
    registerNodeWriters(registrar);
    // The graphics the reader makes reach their pictures through the file
    // services this side binds to.
    if (registrar)
        registrar->registerGraphicDataCreator(new TGraphicDataCreator<CChunkerToICFGraphicData>);
    return 0;
}

// The node writer creators register here, one per content kind the writer
// serves, in a fixed order.
void CICFWriter::registerNodeWriters(INodeRegistrar* registrar)
{
    if (!registrar)
        return;
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFDocumentNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTextStrandNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFParagraphNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFSectionNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFStyleTableNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFParagraphStyleNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFStrandStyleNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFBookmarkBeginCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFBookmarkEndCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFCurrentPageNumberCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFDateTimeCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFHardHyphenCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFNonbreakingSpaceCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFPageBreakCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFSoftHyphenCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFNewlineCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFFontTableNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTabCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFIndexBookmarkCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFIndexEntryNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFIndexBeginCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFIndexEndCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTocBookmarkBeginCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTocBookmarkEndCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTocBeginCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTocEndCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFListStyleNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFNoteCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFNoteSelfReferenceCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFReferenceBeginCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFReferenceEndCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTableNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTableRowNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFTableCellNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFEndOfParagraphCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFDocumentSummaryNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFDocumentSummaryTableNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFColumnBreakCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFHeaderFooterNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFCommentCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFFrameCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFGraphicCSNodeWriter>);
    registrar->registerNodeWriterCreator(new TNodeWriterCreator<CICFIncludedDocumentCSNodeWriter>);
}

void CICFWriter::writeByte(unsigned char byte)
{
    put(1, &byte, kByteWriteFailed);
}

void CICFWriter::writeByteArray(unsigned long count, const unsigned char* bytes)
{
    if (bytes)
        put(count, bytes, kByteArrayWriteFailed);
}

void CICFWriter::writeAsciiDecimal(unsigned long value)
{
    char digits[CStringUtil::kMaxDecimalDigits];
    put(CStringUtil::convertDecimalToAscii(value, digits), digits, kDecimalWriteFailed);
}

void CICFWriter::writeAsciiHexadecimal(unsigned long value, unsigned char minBytes, unsigned char maxBytes)
{
    char digits[CStringUtil::kMaxHexDigits];
    const size_t count =
        CStringUtil::convertDecimalToHexAscii(static_cast<uint32_t>(value), digits, minBytes, maxBytes);
    put(count, digits, kHexadecimalWriteFailed);
}

void CICFWriter::writeAsciiHexByteArray(unsigned long count, const unsigned char* bytes)
{
    if (!bytes)
        return;
    for (unsigned long i = 0; i < count; ++i)
        writeAsciiHexadecimal(bytes[i], 1, 1);
}

void CICFWriter::flush()
{
    flushBuffer(kByteArrayWriteFailed);
}

std::string CICFWriter::render(const CICFCommand& command)
{
    std::string bytes;
    // Puts the outer rendering (or the output) back, also when writing throws.
    struct SRestore {
        std::string*& target;
        std::string* outer;
        ~SRestore() { target = outer; }
    } restore{m_rendering, std::exchange(m_rendering, &bytes)};
    command.write(this);
    return bytes;
}

void CICFWriter::enableOutput()
{
    if (m_disableCount > 0)
        --m_disableCount;
}

void CICFWriter::put(unsigned long count, const void* bytes, const char* failure)
{
    if (!isOutputEnabled() || count == 0)
        return;
    if (m_rendering) {
        m_rendering->append(static_cast<const char*>(bytes), count);
        return;
    }
    if (!getStream())
        return;
    if (m_held + count <= kBufferSize) {
        hold(count, bytes);
        return;
    }
    flushBuffer(failure);
    if (count <= kBufferSize)
        hold(count, bytes);
    else
        writeToStream(count, bytes, failure);
}

void CICFWriter::hold(unsigned long count, const void* bytes)
{
    std::memcpy(m_buffer + m_held, bytes, count);
    m_held += count;
}

void CICFWriter::flushBuffer(const char* failure)
{
    // Emptied first: after a short write the bytes are not handed on twice.
    writeToStream(std::exchange(m_held, 0), m_buffer, failure);
}

void CICFWriter::writeToStream(unsigned long count, const void* bytes, const char* failure)
{
    IbrStream* stream = getStream();
    if (!stream || count == 0)
        return;
    unsigned written = 0;
    if (count <= kMaxStreamWrite)
        stream->write(static_cast<unsigned>(count), bytes, &written);
    if (written != count)
        throw ExICFWriter(failure);
}
