#include "icf/ICFTextWriter.h"

#include "core/Exceptions.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/CharacterString.h"
#include "model/StringUtil.h"

#include <algorithm>
#include <list>
#include <string>

namespace {

// Stands in the text where an "XCS" character is.
constexpr unsigned char kExtendedCharacterPlaceholder = '_';
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kFirstHighByte = 0x80;
// The number "XCS" gives Windows Western and code page 0: ISO 8859-1.
constexpr unsigned long kLatin1CodePage = 819;

// The "MBC" parameters.
constexpr unsigned long kMBCEnclosedMode = 2;
constexpr unsigned long kMBCSwitchedMode = 1;
constexpr unsigned long kMBCOff = 0;
constexpr unsigned long kMBCReserved = 0;

struct SDoubleByteCodeSet {
    unsigned long codePage;
    unsigned long codeSet;
};

// The double-byte code sets "MBC" knows; any other code page is code set 0.
constexpr SDoubleByteCodeSet kDoubleByteCodeSets[] = {
    {932, 1},
    {950, 2},
    {936, 3},
    {949, 4},
};

unsigned long doubleByteCodeSet(unsigned long codePage)
{
    for (const SDoubleByteCodeSet& entry : kDoubleByteCodeSets) {
        if (entry.codePage == codePage)
            return entry.codeSet;
    }
    return 0;
}

unsigned long extendedCharacterCodePage(short codePage)
{
    if (codePage == kCodePageNone || codePage == kCodePage1252)
        return kLatin1CodePage;
    return static_cast<unsigned long>(codePage);
}

void writeExtendedCharacter(CICFWriter* writer, short codePage, unsigned char byte)
{
    CICFCommandWriter command;
    command.initialize(writer, kCmdExtendedCharacter);
    command.writeParameter(CICFDecimalParameter(extendedCharacterCodePage(codePage)));
    command.writeParameter(CICFHexParameter(byte));
    command.done();
    writer->writeByte(kExtendedCharacterPlaceholder);
}

void writeControlCharacter(CICFWriter* writer, unsigned char byte)
{
    CICFCommandWriter command;
    command.initialize(writer, kCmdHexCharacter);
    command.writeParameter(CICFHexParameter(byte));
    command.done();
}

// Whether the byte stands in the text as it is.
bool isPrintable(unsigned char byte, short codePage)
{
    return codePage != kCodePageSymbol && byte >= kFirstPrintable && byte < kFirstHighByte;
}

void writeHexByte(CICFWriter* writer, unsigned char byte)
{
    writer->writeAsciiHexadecimal(byte, 1, 1);
}

} // namespace

CICFTextWriter::~CICFTextWriter()
{
    try {
        closeMBCCmdWriter();
    } catch (const ExICFWriter&) {
        // The stream has failed; the write in progress, or the next one,
        // reports it.
    }
}

void CICFTextWriter::setMBCType(EMBCTypes type)
{
    if (type != m_mbcType)
        closeMBCCmdWriter();
    m_mbcType = type;
}

void CICFTextWriter::writeText(CICFWriter* writer, const CCharacterString& text)
{
    if (text.getCodePage() != kCodePageUnicode) {
        writeMappedCharacterString(writer, text);
        return;
    }
    std::list<CCharacterString> runs;
    CStringUtil::mapWideString(text, runs, true); // double-byte runs allowed
    for (const CCharacterString& run : runs)
        writeMappedCharacterString(writer, run);
}

void CICFTextWriter::writeMappedCharacterString(CICFWriter* writer, const CCharacterString& text)
{
    if (!writer)
        return;
    const short codePage = text.getCodePage();
    const std::string bytes = text.getString(text.getCharacterSet());
    if (!text.isMBC()) {
        writeSingleByteText(writer, bytes, codePage);
        return;
    }
    openMBCCmdWriter(writer, static_cast<unsigned long>(codePage));
    writeDoubleByteText(writer, bytes, codePage);
    closeMBCCmdWriter();
}

// Pairs of bytes, four digits a character. A zero lead byte ends the text;
// a zero trail byte ends it only in 932.
void CICFTextWriter::writeDoubleByteText(CICFWriter* writer, const std::string& bytes, short codePage)
{
    const size_t count = bytes.size();
    for (size_t i = 0; i < count && bytes[i] != 0;) {
        writeHexByte(writer, static_cast<unsigned char>(bytes[i++]));
        if (i == count || (codePage == kCodePage932 && bytes[i] == 0))
            return;
        writeHexByte(writer, static_cast<unsigned char>(bytes[i++]));
    }
}

// Printable bytes go out a run at a time, each other byte as its command.
void CICFTextWriter::writeSingleByteText(CICFWriter* writer, const std::string& bytes, short codePage)
{
    const auto* const begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = begin + bytes.size();
    for (const unsigned char* next = begin; next != end && *next != 0;) {
        const unsigned char* const runEnd =
            std::find_if_not(next, end, [codePage](unsigned char byte) { return isPrintable(byte, codePage); });
        if (runEnd != next) {
            writer->writeByteArray(static_cast<unsigned long>(runEnd - next), next);
            next = runEnd;
        } else if (codePage == kCodePageSymbol || *next >= kFirstHighByte) {
            writeExtendedCharacter(writer, codePage, *next++);
        } else {
            writeControlCharacter(writer, *next++);
        }
    }
}

void CICFTextWriter::openMBCCmdWriter(CICFWriter* writer, unsigned long codePage)
{
    closeMBCCmdWriter();
    m_mbcCommand = std::make_unique<CICFCommandWriter>();
    m_mbcCommand->initialize(writer, kCmdMultibyteText);
    m_mbcCommand->writeParameter(CICFDecimalParameter(m_mbcType == kMBCEnclosed ? kMBCEnclosedMode : kMBCSwitchedMode));
    m_mbcCommand->writeParameter(CICFDecimalParameter(doubleByteCodeSet(codePage)));
    m_mbcCommand->writeParameter(CICFDecimalParameter(kMBCReserved));
    if (m_mbcType == kMBCSwitched)
        m_mbcCommand->done();
}

void CICFTextWriter::closeMBCCmdWriter()
{
    if (!m_mbcCommand)
        return;
    // Forgotten first: after a stream failure the bracket is not closed twice.
    const std::unique_ptr<CICFCommandWriter> command = std::move(m_mbcCommand);
    if (m_mbcType == kMBCSwitched) {
        command->restart(kCmdMultibyteText);
        command->writeParameter(CICFDecimalParameter(kMBCOff));
    }
    command->done();
}
