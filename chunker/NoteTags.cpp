#include "chunker/NoteTags.h"

#include "chunker/NodeEditing.h"
#include "chunker/SubDocuments.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordSavedNodes.h"
#include "core/Exceptions.h"
#include "model/CharacterString.h"
#include "model/NodeFactory.h"
#include "model/NodeUtilities.h"
#include "model/NoteAreaProperties.h"
#include "model/NoteNodes.h"
#include "model/PendingNode.h"
#include "model/SectionProperties.h"
#include "trx/changes.h"

#include <vector>

namespace {

const char kMarkWithoutParent[] = "REQUIRE: pNodeParent != NULL\n\tFile: ChCTag  ln(858)";
const char kSeparatorWithoutSection[] = "REQUIRE: pNodeParent != NULL\n\tFile: ChCTag  ln(774)";
const char kMarkEndsElsewhere[] =
    "REQUIRE: pNodeParent->getContentInterfaceID() == kNoteSelfReferenceCSNode\n\tFile: ChCTag";

// Each area has three separators: the separator, the continuation separator
// and the continuation notice.
constexpr uint32_t kSeparatorsPerArea = 3;
static_assert(CHSEPARATOR_ID_COUNT == 2 * kSeparatorsPerArea, "footnotes and endnotes have three separators each");

// Appends the units of `text`, in Unicode, to `units`.
void appendUnicode(const CCharacterString& text, std::vector<uint16_t>& units)
{
    const uint32_t length = text.getLength();
    if (text.isWideString() && text.getCharacterSet() == kCharSetUnicode) {
        for (uint32_t i = 0; i < length; ++i)
            units.push_back(text.getCharacterAt(i));
        return;
    }
    // An 8-bit text has no more characters than bytes; one unit more holds
    // the terminator.
    std::vector<uint16_t> mapped(size_t{length} + 1, 0);
    text.getString(mapped.data(), length + 1, kCharSetUnicode);
    for (uint32_t i = 0; i < length && mapped[i] != 0; ++i)
        units.push_back(mapped[i]);
}

// The custom mark of a note that is not numbered automatically is the text
// of its reference mark: the text of the mark's paragraph goes onto the end
// of the note's marker strand.
void copyCustomMark(INode& markParagraph, INode& selfReference)
{
    INode* noteNode = CNodeUtilities::findParent(&selfReference, kNoteCSNode);
    auto* note = noteNode ? dynamic_cast<INoteCSContent*>(noteNode->getIContent()) : nullptr;
    if (!note || note->isAutonumbered() || note->getReferenceMarkerStrands().empty())
        return;
    auto* marker = dynamic_cast<ITextStrandContent*>(*note->getReferenceMarkerStrands().begin());
    if (!marker)
        return;
    std::vector<uint16_t> units;
    CCharacterString text;
    appendUnicode(marker->getText(text), units);
    const uint32_t wideDefault = text.getWideStringDefaultCharacterSet();
    for (ChildIterator it = markParagraph.getFirstChild(); it != markParagraph.getTermChild(); ++it) {
        if (auto* piece = dynamic_cast<ITextStrandContent*>((*it)->getIContent()))
            appendUnicode(piece->getText(text), units);
    }
    CCharacterString mark;
    mark.setString(units.data(), static_cast<uint32_t>(units.size()), kCharSetUnicode);
    mark.setWideStringDefaultCharacterSet(wideDefault);
    marker->setText(mark);
}

// The area of the separator with `role` (0 to 5), in the section's
// properties; null when the section has none.
CNoteAreaProperties* areaOf(INode& section, uint32_t role)
{
    ISectionProperties* properties = sectionPropertiesOf(&section);
    if (!properties)
        return nullptr;
    return role < kSeparatorsPerArea ? properties->getFootnoteProperties() : properties->getEndnoteProperties();
}

void nameOnArea(CNoteAreaProperties& area, CWordSeparatorNode& separator)
{
    switch (separator.getSeparatorType()) {
    case kNoteSeparator:
        area.setNoteSeparator(&separator);
        break;
    case kNoteContinuationSeparator:
        area.setNoteContinuationSeparator(&separator);
        break;
    case kNoteContinuationNotice:
        area.setNoteContinuationNotice(&separator);
        break;
    }
}

} // namespace

bool isNoteMarkTag(uint32_t type)
{
    return type == CHTAG_NOTE_MARK_A || type == CHTAG_NOTE_MARK_B || type == CHTAG_NOTE_MARK_C;
}

// The mark's paragraph starts in the character style of the text around the
// mark.
void beginNoteMark(CWordParagraphNode& paragraph, INode*& cursor)
{
    if (!paragraph.getParentNode())
        throw ExNodeParsingError(kMarkWithoutParent);
    CPendingNode text(newParagraphLike(paragraph));
    wordParagraph(text.get()).setStrandStyle(paragraph.getStrandStyle());
    CPendingNode node(paragraph.getNodeFactory()->createNode(kNoteSelfReferenceCSNode));
    INode* selfReference = node.get();
    paragraph.giveRunningFormat(dynamic_cast<IStrandContent&>(*selfReference->getIContent()));
    paragraph.attachNode(selfReference);
    node.take();
    selfReference->attachNode(text.get());
    cursor = text.take();
}

// The custom mark is copied before the self-reference is done: once done,
// it may be written and released.
void endNoteMark(INode*& cursor)
{
    INode* selfReference = cursor->getParentNode();
    if (!selfReference || selfReference->getContentInterfaceID() != kNoteSelfReferenceCSNode)
        throw ExMisformedChunkerDataError(kMarkEndsElsewhere);
    INode* holder = requireParent(selfReference, kMarkWithoutParent);
    copyCustomMark(*cursor, *selfReference);
    cursor->done();
    selfReference->done();
    cursor = holder;
}

void beginNoteSeparator(CWordParagraphNode& paragraph, uint32_t tagId, INode*& cursor)
{
    const uint32_t role = tagId - CHSEPARATOR_FIRST_ID;
    if (role >= CHSEPARATOR_ID_COUNT)
        return;
    INode* section = CNodeUtilities::findParent(&paragraph, kSectionNode);
    if (!section)
        throw ExNodeParsingError(kSeparatorWithoutSection);

    CPendingNode text(newParagraphLike(paragraph));
    CPendingNode node(paragraph.getNodeFactory()->createNode(kNoteSeparatorNode));
    auto& separator = dynamic_cast<CWordSeparatorNode&>(*node.get());
    separator.setNoteType(role < kSeparatorsPerArea ? kFootnote : kEndnote);
    separator.setSeparatorType(static_cast<ENoteSeparatorType>(role % kSeparatorsPerArea));
    separator.setSavedNode(cursor);
    section->attachNode(&separator);
    node.take();
    if (CNoteAreaProperties* area = areaOf(*section, role))
        nameOnArea(*area, separator);
    separator.attachNode(text.get());
    cursor = text.take();
}

void endNoteSeparator(INode*& cursor)
{
    INode* holder = cursor->getParentNode();
    if (auto* separator = dynamic_cast<CWordSeparatorNode*>(holder))
        closeSubDocument(cursor, *separator, separator->getSavedNode());
}
