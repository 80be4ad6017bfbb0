// Tag changes: bookmarks, references, tables of contents, index entries,
// fields, the summary, style definitions and frame contents. A begin-tag
// change opens a tagged stretch of the document and an end-tag change closes
// the one most recently opened; the open tags are kept on a stack for the
// whole export.
#pragma once

#include "chunker/Change.h"
#include "chunker/ChangeList.h"
#include "chunker/TagStack.h"
#include "model/CountedReference.h"

#include <cstdint>

class CLocator;
class IDateTimeCSContent;
class CWordParagraphNode;

class CChangeTags : public CChange {
public:
    // The open tags and the named tags of the running export.
    static CTagStack& tagStack();
    static CTagList& tagList();
    // Records `name` for the tag of that type and id, for its end to find.
    static void recordNamedTag(uint32_t type, uint32_t id, const CCharacterString& name);

protected:
    // The named tag of that id and type; null when there is none.
    static const CNameTypeIdTuple* findNamedTag(uint32_t id, uint32_t type);
};

// Value 1 is the tag type, value 2 the tag id, value 3 the id of the tag's
// data record.
class CChangeBeginTag : public CChangeTags {
public:
    // The changes that follow a tag (a reference's properties) are read from
    // the position of `processor`, the list that dispatches the tag; without
    // it a reference has no target.
    explicit CChangeBeginTag(const CChunkerList* processor = nullptr) : m_processor(processor) {}

    uint32_t process(INode*& pNodeParent) override;

    // Writes the decimal digits of `n` to `buffer`, most significant first,
    // without leading zeros and without a terminator; returns how many were
    // written (none for 0, at most 10).
    static uint32_t itow7(uint16_t* buffer, uint32_t n);
    // The name of a tag that carries none of its own: the digits of its id.
    static CCharacterString generatedName(uint32_t tagId);

    // The text that the property-text change with id `changeId` designates,
    // in the paragraph's character set.
    CCharacterString readName(uint32_t changeId, const CWordParagraphNode& paragraph);

private:
    void beginBookmark(CWordParagraphNode& paragraph);
    void beginDateField(CWordParagraphNode& paragraph, INode*& cursor);
    // Gives `field` the format that the nested paragraph following the tag
    // spells out: its text changes and date part codes, up to its end.
    void readDateFormat(IDateTimeCSContent& field, const CWordParagraphNode& paragraph);
    void beginReference(CWordParagraphNode& paragraph);
    // The locator that the property changes following the tag describe;
    // null when they name no target.
    TCountedReference<CLocator> readTarget(const CWordParagraphNode& paragraph);

    const CChunkerList* m_processor; // not owned
    CChangeList m_changes;
};

// Value 1 is the tag type, value 2 the tag id.
class CChangeEndTag : public CChangeTags {
public:
    uint32_t process(INode*& pNodeParent) override;
};
