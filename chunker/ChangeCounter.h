// Counter changes define, restart and apply page, note and list numbering.
// Value 1 is the counter kind (CHCOUNTER_*), value 2 a list counter's level
// counted from 0; value 3 is the id of a definition's counter record, or the
// value of a restart or an application.
#pragma once

#include "chunker/Change.h"
#include "chunker/ChangeList.h"
#include "chunker/ItemLists.h"
#include "model/NumberingStyle.h"

#include <cstdint>

class CNumberingLevelDefinition;
class CStrandContentList;
class CWordParagraphNode;
class IListStyleContent;
class ISectionProperties;

class CChangeCounter : public CChange {
public:
    // A list level's number text is read ahead, from where its tag began,
    // in a change list of the handler's own; without `processor` (the list
    // that dispatches the definition) a level has no text but its number.
    explicit CChangeCounter(const CChunkerList* processor = nullptr) : m_processor(processor) {}

    uint32_t process(INode*& pNodeParent) override;

private:
    void defineCounter(CWordParagraphNode& paragraph);
    void defineSectionCounter(CWordParagraphNode& paragraph, const unsigned char* record);
    void defineNoteCounter(ISectionProperties& section, const unsigned char* record);
    void defineListLevel(CWordParagraphNode& paragraph, IListStyleContent& list, const unsigned char* record);
    // Reads the number text that begins with the tag `tagId` into the level
    // definition, whose first numbering style is `first`; `type` is the
    // level's numbering type.
    void readNumberText(CNumberingLevelDefinition& definition, CNumberingStyle& first, CWordParagraphNode& paragraph,
                        uint32_t tagId, ENumberingTypes type);
    // Makes `style` the number that the counter reference just read shows.
    void fillReferencedStyle(CNumberingStyle& style, CWordParagraphNode& paragraph, ENumberingTypes type);
    void appendTextStrand(CStrandContentList& gathered, CWordParagraphNode& paragraph);

    void restartCounter(CWordParagraphNode& paragraph);
    void applyCounter(CWordParagraphNode& paragraph);
    void applyListCounter(CWordParagraphNode& paragraph);

    const CChunkerList* m_processor; // not owned
    CChangeList m_changes;
    CTagTrackList m_tagTracks;
    CTextList m_texts;
};
