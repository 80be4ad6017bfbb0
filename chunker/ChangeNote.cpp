#include "chunker/ChangeNote.h"

#include "chunker/NodeEditing.h"
#include "chunker/SubDocuments.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordTextStrandNode.h"
#include "core/Exceptions.h"
#include "model/CountedReference.h"
#include "model/NodeFactory.h"
#include "model/NodeUtilities.h"
#include "model/NoteNodes.h"
#include "model/PendingNode.h"
#include "trx/changes.h"

namespace {

const char kNoteInNote[] = "REQUIRE: CNodeUtilities::findParent(pNodeParent, kNoteCSNode) == NULL\n\tFile: ChCNote";
const char kNoteInComment[] =
    "REQUIRE: CNodeUtilities::findParent(pNodeParent, kCommentCSNode) == NULL\n\tFile: ChCNote";

bool isNote(uint32_t kind)
{
    return kind == CHNOTE_FOOTNOTE || kind == CHNOTE_ENDNOTE;
}

} // namespace

// The note joins the paragraph before its first paragraph joins the note,
// so that nothing made here is left without an owner.
uint32_t CChangeNote::process(INode*& current)
{
    const uint32_t kind = getValue1();
    if (!isNote(kind) && kind != CHNOTE_COMMENT)
        return 0;
    rejectNesting(current);
    CWordParagraphNode& paragraph = wordParagraph(current);
    CPendingNode text(newParagraphLike(paragraph));
    CPendingNode node(isNote(kind) ? createNote(paragraph) : paragraph.getNodeFactory()->createNode(kCommentCSNode));
    INode* holder = node.get();
    paragraph.attachNode(holder);
    node.take();
    holder->attachNode(text.get());
    current = text.take();
    rememberSubDocument(holder->getContentInterfaceID());
    return 0;
}

// Every note starts with a custom mark: the counter changes number it.
INode* CChangeNote::createNote(CWordParagraphNode& paragraph)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kNoteCSNode));
    auto& note = dynamic_cast<INoteCSContent&>(*node.get()->getIContent());
    note.setAutonumbering(false);
    note.setNoteType(getValue1() == CHNOTE_ENDNOTE ? kEndnote : kFootnote);
    addMarkerStrand(paragraph, note);
    return node.take();
}

void CChangeNote::addMarkerStrand(CWordParagraphNode& paragraph, INoteCSContent& note)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kWordTextStrandNode));
    auto& strand = dynamic_cast<CWordTextStrandNode&>(*node.get());
    const uint16_t none[1] = {0};
    CCharacterString empty;
    empty.setString(none, 0, paragraph.getCharset());
    empty.setWideStringDefaultCharacterSet(paragraph.getWideStringDefaultCharacterSet());
    strand.setText(empty);
    if (IStrandStyleContent* style = paragraph.getStrandStyle())
        strand.setStyle(style);
    strand.setWordProperties(makeCounted<CWordStrandProperties>(*paragraph.getStrandProperties()).get());
    note.addReferenceMarkerStrand(&strand);
    node.take();
}

void CChangeNote::rejectNesting(INode* current)
{
    if (CNodeUtilities::findParent(current, kNoteCSNode) && isNote(getValue1()))
        throw ExMisformedChunkerDataError(kNoteInNote);
    if (CNodeUtilities::findParent(current, kCommentCSNode))
        throw ExMisformedChunkerDataError(kNoteInComment);
}
