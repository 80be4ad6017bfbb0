#include "icf/ICFNoteNodeWriters.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFStrandUtilities.h"
#include "icf/ICFVocabulary.h"
#include "model/CountedReference.h"
#include "model/NoteNodes.h"

namespace {

// "FNT" note codes: 1 added for a note with a custom mark.
constexpr unsigned long kFootnoteCode = 0;
constexpr unsigned long kEndnoteCode = 2;
constexpr unsigned long kCustomMarkCodeOffset = 1;
constexpr unsigned long kCustomMarkFlag = 1;
// The fixed "FNT" parameters after the number or mark.
constexpr unsigned long kNoteFixedHex[] = {0, 0, 0, 0, 1, 0xFF};
constexpr unsigned long kNoteFixedDecimal[] = {0, 0};
constexpr unsigned long kNoteLastHex = 0x8D;

} // namespace

void CICFNoteCSNodeWriter::write()
{
    INoteCSContent& note = getNote();
    // The note owns its marker strands; the character that becomes the
    // custom mark leaves them.
    auto& markers = const_cast<CStrandContentList&>(note.getReferenceMarkerStrands());
    m_hasMark = !markers.empty();
    if (m_hasMark) {
        TCountedReference<IStrandProperties> properties;
        IStrandStyleContent* style = nullptr;
        m_customMark =
            static_cast<unsigned char>(CICFStrandUtilities::extractFirstCharacter(markers, properties, style));
        note.setProperties(properties.get());
        note.setStyle(style);
    }
    CICFStrandNodeWriter::write();
}

void CICFNoteCSNodeWriter::writeContent()
{
    const INoteCSContent& note = getNote();
    const ENoteType type = note.getNoteType();
    if (!m_hasMark || (type != kFootnote && type != kEndnote))
        return;
    writeNoteStart(note);
    CICFWriter* writer = getICFWriter();
    if (note.isAutonumbered())
        CICFCommandWriter().writeNoParamCmd(writer, kCmdNoteAutonumber);
    else if (!note.getReferenceMarkerStrands().empty())
        writeMark(note);
    m_writingNoteText = true;
    writeChildren();
    m_writingNoteText = false;
    CICFCommandWriter().writeNoParamCmd(writer, kCmdNoteOff);
    if (!note.isAutonumbered())
        writeMark(note);
}

bool CICFNoteCSNodeWriter::canChildWrite(INode*)
{
    return getNode()->isOkToWrite() && m_writingNoteText;
}

INoteCSContent& CICFNoteCSNodeWriter::getNote()
{
    return dynamic_cast<INoteCSContent&>(*getNode()->getIContent());
}

// An autonumbered note carries its number (high byte, low byte), any other
// note its custom mark. The number counts the notes of its kind that this
// writer has written; every note has a writer of its own, so it is 1 and
// the consumer of the output numbers the notes.
void CICFNoteCSNodeWriter::writeNoteStart(const INoteCSContent& note)
{
    const bool endnote = note.getNoteType() == kEndnote;
    unsigned long code = endnote ? kEndnoteCode : kFootnoteCode;
    if (!note.isAutonumbered())
        code += kCustomMarkCodeOffset;

    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdNoteOn);
    command.writeParameter(CICFHexParameter(code));
    if (note.isAutonumbered()) {
        const uint32_t number = ++(endnote ? m_endnotesWritten : m_footnotesWritten);
        command.writeParameter(CICFHexParameter((number >> 8) & 0xFF));
        command.writeParameter(CICFHexParameter(number & 0xFF));
    } else {
        command.writeParameter(CICFHexParameter(kCustomMarkFlag));
        command.writeParameter(CICFHexParameter(m_customMark));
    }
    for (unsigned long value : kNoteFixedHex)
        command.writeParameter(CICFHexParameter(value));
    for (unsigned long value : kNoteFixedDecimal)
        command.writeParameter(CICFDecimalParameter(value));
    command.writeParameter(CICFHexParameter(kNoteLastHex));
    command.done();
}

void CICFNoteCSNodeWriter::writeMark(const INoteCSContent& note)
{
    CICFWriter* writer = getICFWriter();
    CICFCommandWriter().writeNoParamCmd(writer, kCmdSuperscriptOn);
    CICFStrandUtilities::writeStrands(note.getReferenceMarkerStrands());
    CICFCommandWriter().writeNoParamCmd(writer, kCmdSuperscriptOff);
}
