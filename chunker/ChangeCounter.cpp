#include "chunker/ChangeCounter.h"

#include "chunker/ChangeText.h"
#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/CountedReference.h"
#include "model/NodeUtilities.h"
#include "model/NoteAreaProperties.h"
#include "model/NoteNodes.h"
#include "model/NumberingLevelDefinition.h"
#include "model/PageProperties.h"
#include "model/ParagraphNumbering.h"
#include "model/PendingNode.h"
#include "model/SectionProperties.h"
#include "model/StyleContent.h"
#include "trx/changes.h"

#include <vector>

namespace {

// A list's first number and step: the low halves of their big-endian words.
constexpr std::size_t kLowHalf = 2;
constexpr std::size_t kStartAtNumber = CHCOUNTER_START + kLowHalf;
constexpr std::size_t kCountBy = CHCOUNTER_COUNT_BY + kLowHalf;
static_assert(holdsWords(CHCOUNTER_RECORD_SIZE, CHCOUNTER_RESTART, CHCOUNTER_START, CHCOUNTER_NUMBER_TEXT,
                         CHCOUNTER_FORMAT) &&
                  holdsField(CHCOUNTER_RECORD_SIZE, kStartAtNumber, 2) &&
                  holdsField(CHCOUNTER_RECORD_SIZE, kCountBy, 2),
              "the counter's fields lie in the record");

const char kNoParent[] = "REQUIRE: pNodeParent != NULL\n\tFile: ChCCount  ln(76)";
const char kNotInParagraph[] = "REQUIRE: pNodeParent is a paragraph\n\tFile: ChCCount";
const char kNoSection[] = "REQUIRE: pNodeParent != NULL\n\tFile: ChCCount  ln(300)";
const char kNumberTextNeverEnds[] = "REQUIRE: changeType == CHCHANGE_END_TAG\n\tFile: ChCCount";
const char kNumberTextTooLong[] = "REQUIRE: count <= kMaxTextRunLength\n\tFile: ChCCount";

// The numbering type of a host format code; `variant` is set only for a
// list whose format word carries the variant flag.
ENumberingTypes numberingTypeOf(uint32_t code, bool variant)
{
    switch (code) {
    case CHFORMAT_DECIMAL:
    case CHFORMAT_DECIMAL_TOO:
        return kNumberingDecimal;
    case CHFORMAT_LETTERS:
        return variant ? kNumberingLowerLetters : kNumberingUpperLetters;
    case CHFORMAT_ROMAN:
        return variant ? kNumberingLowerRoman : kNumberingUpperRoman;
    case CHFORMAT_ORDINAL:
        return kNumberingOrdinal;
    case CHFORMAT_CARDINAL_WORDS:
        return kNumberingCardinalWords;
    case CHFORMAT_ORDINAL_WORDS:
        return kNumberingOrdinalWords;
    default:
        return kNumberingNone;
    }
}

ENumberingTypes listNumberingType(uint32_t format)
{
    return numberingTypeOf(format & CHFORMAT_CODE_MASK, (format & CHFORMAT_LOWER_CASE) != 0);
}

ENoteNumberingRestart noteRestartOf(uint32_t flags)
{
    switch (flags & CHRESTART_MASK) {
    case CHRESTART_EACH_PAGE:
        return kNoteNumberingRestartEachPage;
    case CHRESTART_EACH_SECTION:
        return kNoteNumberingRestartEachSection;
    default:
        return kNoteNumberingContinuous;
    }
}

// A page or note number: a style of its own at level 1.
TCountedReference<CNumberingStyle> newNumberStyle(ENumberingTypes type)
{
    auto style = makeCounted<CNumberingStyle>();
    style->setLevel(1);
    style->setNumberingType(type);
    return style;
}

IListStyleContent* listStyleAround(CWordParagraphNode& paragraph)
{
    INode* parent = paragraph.getParentNode();
    if (!parent || parent->getContentInterfaceID() != kListStyleNode)
        return nullptr;
    return dynamic_cast<IListStyleContent*>(parent->getIContent());
}

// Moves the strands gathered so far to the end of `to`.
template <class Add>
void handOver(CStrandContentList& gathered, Add&& add)
{
    const std::vector<IStrandContent*> strands(gathered.begin(), gathered.end());
    for (IStrandContent* strand : strands) {
        gathered.remove(strand);
        add(strand);
    }
}

} // namespace

uint32_t CChangeCounter::process(INode*& pNodeParent)
{
    if (!pNodeParent || !pNodeParent->getParentNode())
        throw ExNodeParsingError(kNoParent);
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        throw ExNodeParsingError(kNotInParagraph);
    switch (getChangeType()) {
    case CHCHANGE_DEFINE_COUNTER:
        defineCounter(*paragraph);
        break;
    case CHCHANGE_RESTART_COUNTER:
        restartCounter(*paragraph);
        break;
    case CHCHANGE_APPLY_COUNTER:
        applyCounter(*paragraph);
        break;
    default:
        break;
    }
    return 0;
}

void CChangeCounter::defineCounter(CWordParagraphNode& paragraph)
{
    const uint32_t kind = getValue1();
    if (kind == CHCOUNTER_PAGE_NUMBER || kind == CHCOUNTER_FOOTNOTE_NUMBER || kind == CHCOUNTER_ENDNOTE_NUMBER) {
        const auto record = readDataRecord<CHCOUNTER_RECORD_SIZE>(*this, getValue3());
        defineSectionCounter(paragraph, record.data());
    } else if (kind == CHCOUNTER_LIST_NUMBER) {
        IListStyleContent* list = listStyleAround(paragraph);
        if (!list)
            return;
        const auto record = readDataRecord<CHCOUNTER_RECORD_SIZE>(*this, getValue3());
        defineListLevel(paragraph, *list, record.data());
    }
}

// Page and note numbers belong to the section's properties.
void CChangeCounter::defineSectionCounter(CWordParagraphNode& paragraph, const unsigned char* record)
{
    INode* section = CNodeUtilities::findParent(&paragraph, kSectionNode);
    if (!section)
        throw ExNodeParsingError(kNoSection);
    ISectionProperties* properties = sectionPropertiesOf(section);
    if (!properties)
        return;
    if (getValue1() != CHCOUNTER_PAGE_NUMBER) {
        defineNoteCounter(*properties, record);
        return;
    }
    CPageProperties* page = properties->getPageProperties();
    if (!page)
        return;
    page->setPageNumberStyle(newNumberStyle(numberingTypeOf(readBigEndian32(record, CHCOUNTER_FORMAT), false)).get());
    page->setPageNumberStart(readBigEndian32(record, CHCOUNTER_START));
}

void CChangeCounter::defineNoteCounter(ISectionProperties& section, const unsigned char* record)
{
    CNoteAreaProperties* area =
        getValue1() == CHCOUNTER_FOOTNOTE_NUMBER ? section.getFootnoteProperties() : section.getEndnoteProperties();
    if (!area)
        return;
    area->setAutoNumberRestart(noteRestartOf(readBigEndian32(record, CHCOUNTER_RESTART)));
    area->setNumberStyle(newNumberStyle(numberingTypeOf(readBigEndian32(record, CHCOUNTER_FORMAT), false)).get());
    area->setNumberStart(readBigEndian32(record, CHCOUNTER_START));
}

// The level joins the list style once its number text is read, with the
// indents and first tab of the definition's paragraph.
void CChangeCounter::defineListLevel(CWordParagraphNode& paragraph, IListStyleContent& list,
                                     const unsigned char* record)
{
    const ENumberingTypes type = listNumberingType(readBigEndian32(record, CHCOUNTER_FORMAT));
    const auto definition = makeCounted<CNumberingLevelDefinition>();
    definition->setStartAtNumber(readBigEndian16(record, kStartAtNumber));
    definition->setCountBy(readBigEndian16(record, kCountBy));
    definition->setLevel(getValue2() + 1);
    const auto first = newNumberStyle(type);
    definition->addNumberingStyle(first.get());

    readNumberText(*definition.get(), *first.get(), paragraph, readBigEndian32(record, CHCOUNTER_NUMBER_TEXT), type);

    CIndents indents;
    definition->setIndents(makeCounted<CIndents>(paragraph.getIndents(indents)).get());
    const CTabDefinitions* tabs = paragraph.getTabs();
    if (tabs && !tabs->getTabDefinitions().empty())
        definition->setTab(tabs->getTabDefinitions().front());
    list.addNumberingLevelDefinition(definition.get());
}

// The number text runs from the change after its begin tag to the first end
// tag, which must come before the change list ends. Its text changes are the
// text around the numbers; each counter reference is a number. The first
// reference is the first style's number, the text before it that style's
// prefix; each later reference starts a style of its own. The text after a
// reference is the suffix of that reference's style; the text of a number
// text without references is the first style's suffix. Other changes are
// passed over.
void CChangeCounter::readNumberText(CNumberingLevelDefinition& definition, CNumberingStyle& first,
                                    CWordParagraphNode& paragraph, uint32_t tagId, ENumberingTypes type)
{
    if (!m_processor)
        return;
    m_changes.moveToElementById(m_tagTracks.findChangeId(CHTAG_NUMBER_TEXT, tagId));
    if (m_changes.getNextElement() != TRXERR_OK)
        throw ExMisformedChunkerDataError(kNumberTextNeverEnds);

    CNumberingStyle* current = &first;
    bool referenced = false;
    CStrandContentList gathered;
    while (m_changes.getNextInTag(kNumberTextNeverEnds)) {
        const uint32_t changeType = m_changes.getChangeType();
        if (changeType == CHCHANGE_TEXT) {
            appendTextStrand(gathered, paragraph);
        } else if (changeType == CHCHANGE_COUNTER_REFERENCE) {
            if (!referenced) {
                handOver(gathered, [current](IStrandContent* strand) { current->addPrefixStrandContent(strand); });
            } else {
                handOver(gathered, [current](IStrandContent* strand) { current->addSuffixStrandContent(strand); });
                const auto next = makeCounted<CNumberingStyle>();
                definition.addNumberingStyle(next.get());
                current = next.get();
            }
            fillReferencedStyle(*current, paragraph, type);
            referenced = true;
        }
    }
    handOver(gathered, [current](IStrandContent* strand) { current->addSuffixStrandContent(strand); });
}

// A reference to the level being defined shows the number in the level's
// type; a reference to another level shows it in the type that level's own
// definition gives, looked up when the number is written.
void CChangeCounter::fillReferencedStyle(CNumberingStyle& style, CWordParagraphNode& paragraph, ENumberingTypes type)
{
    const uint32_t level = m_changes.getValue2();
    style.setLevel(level + 1);
    style.setNumberingType(level == getValue2() ? type : kNumberingAsLevel);
    style.setGeneratedNumberProps(makeCounted<CWordStrandProperties>(*paragraph.getStrandProperties()).get());
}

void CChangeCounter::appendTextStrand(CStrandContentList& gathered, CWordParagraphNode& paragraph)
{
    const CCharacterString text =
        readTextRun(m_texts, m_changes.getValue1(), m_changes.getValue2(), paragraph, kNumberTextTooLong);
    CPendingNode node(newTextStrand(paragraph, text));
    if (auto* strand = dynamic_cast<IStrandContent*>(node.get())) {
        gathered.add(strand);
        node.take();
    }
}

// Inside a list style's definition a non-zero value restarts the numbering
// after that value; elsewhere a zero value restarts it at its level's start
// (a numbering whose level has no definition has no start to return to).
// The numbering is set on the paragraph again.
void CChangeCounter::restartCounter(CWordParagraphNode& paragraph)
{
    if (getValue1() != CHCOUNTER_LIST_NUMBER)
        return;
    CParagraphNumbering* numbering = paragraph.getParagraphNumbering();
    if (!numbering)
        return;
    if (listStyleAround(paragraph) && getValue3() != 0) {
        numbering->setRestartNumbering(true);
        numbering->setRestartNumberingAt(getValue3() + 1);
    } else if (const CNumberingLevelDefinition* level = numbering->getNumberingLevelDefinition();
               getValue3() == 0 && level) {
        numbering->setRestartNumbering(true);
        numbering->setRestartNumberingAt(level->getStartAtNumber());
    } else {
        return;
    }
    paragraph.setParagraphNumbering(numbering);
}

void CChangeCounter::applyCounter(CWordParagraphNode& paragraph)
{
    const uint32_t kind = getValue1();
    if (kind == CHCOUNTER_LIST_NUMBER) {
        applyListCounter(paragraph);
        return;
    }
    if (kind != CHCOUNTER_FOOTNOTE_NUMBER && kind != CHCOUNTER_ENDNOTE_NUMBER)
        return;
    // The note around the paragraph is numbered automatically; a note's own
    // reference mark, on the way, stops the walk.
    for (INode* node = paragraph.getParentNode(); node; node = node->getParentNode()) {
        const EContentInterfaceID id = node->getContentInterfaceID();
        if (id == kNoteSelfReferenceCSNode)
            return;
        if (id == kNoteCSNode) {
            if (auto* note = dynamic_cast<INoteCSContent*>(node->getIContent()))
                note->setAutonumbering(true);
            return;
        }
    }
}

void CChangeCounter::applyListCounter(CWordParagraphNode& paragraph)
{
    if (getValue3() != CHCOUNTER_NUMBERED) {
        paragraph.setParagraphNumbering(nullptr);
        return;
    }
    CParagraphNumbering* numbering = paragraph.getParagraphNumbering();
    if (!numbering)
        return;
    numbering->setLevel(getValue2() + 1);
    paragraph.setParagraphNumbering(numbering);
}
