// Turns document text into ICF text. Printable single-byte characters pass
// as they are; control bytes become "HEX" commands; high bytes, and every
// byte of text in the symbol code page, become "XCS" commands followed by a
// placeholder; double-byte text is written as hexadecimal digits inside an
// "MBC" bracket. Wide text is first cut into runs of one code page each.
#pragma once

#include "icf/ICFCommandWriter.h"

#include <cstdint>
#include <memory>
#include <string>

class CCharacterString;
class CICFWriter;

// How double-byte text is bracketed.
enum EMBCTypes : int32_t {
    // The hexadecimal digits stand inside one open "MBC" command.
    kMBCEnclosed = 0,
    // A complete "MBC" command switches double-byte mode on before the
    // digits, a second one with parameter 0 switches it off after them.
    kMBCSwitched = 1,
};

class CICFTextWriter {
public:
    explicit CICFTextWriter(EMBCTypes type = kMBCEnclosed) : m_mbcType(type) {}
    // Closes an open bracket; a stream failure here is not reported (a
    // destructor must not throw).
    ~CICFTextWriter();
    CICFTextWriter(const CICFTextWriter&) = delete;
    CICFTextWriter& operator=(const CICFTextWriter&) = delete;

    // A change of type closes an open bracket first (in the old form).
    void setMBCType(EMBCTypes type);
    EMBCTypes getMBCType() const { return m_mbcType; }

    // Writes a string; wide text is cut into runs of one code page each.
    void writeText(CICFWriter* writer, const CCharacterString& text);
    // Writes a string of one code page. A zero byte ends it.
    void writeMappedCharacterString(CICFWriter* writer, const CCharacterString& text);
    // Opens the "MBC" bracket for double-byte text of `codePage`, closing an
    // open one first.
    void openMBCCmdWriter(CICFWriter* writer, unsigned long codePage);
    void closeMBCCmdWriter();
    void done() { closeMBCCmdWriter(); }

private:
    void writeDoubleByteText(CICFWriter* writer, const std::string& bytes, short codePage);
    void writeSingleByteText(CICFWriter* writer, const std::string& bytes, short codePage);

    EMBCTypes m_mbcType;
    std::unique_ptr<CICFCommandWriter> m_mbcCommand;
};
