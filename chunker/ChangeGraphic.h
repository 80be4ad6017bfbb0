// A graphic change (value 1: the id of an embedded object record) places an
// object inline in the current paragraph: a picture, whose data the writer
// fetches later through the export, or an included document named by its
// location. The object's file name or location is among its property
// changes, which the handler reads ahead in a change list of its own.
#pragma once

#include "chunker/Change.h"
#include "chunker/ChangeList.h"
#include "chunker/ItemLists.h"

#include <cstdint>
#include <optional>

class CCharacterString;
class CWordParagraphNode;

class CChangeGraphic : public CChange {
public:
    // `processor` is the list that dispatches the change: its position names
    // a picture's embedded data. Without it a picture is named as the first.
    explicit CChangeGraphic(const CChunkerList* processor = nullptr) : m_processor(processor) {}

    // Result 0; the cursor does not move.
    uint32_t process(INode*& pNodeParent) override;

private:
    void placeIncludedDocument(CWordParagraphNode& paragraph, const unsigned char* record);
    void placeGraphic(CWordParagraphNode& paragraph, const unsigned char* record);
    // The text of the first file-name property among the object's property
    // changes from `position` on, if there is one before their end.
    std::optional<CCharacterString> readFileName(uint32_t position, const CWordParagraphNode& paragraph);

    const CChunkerList* m_processor; // not owned
    CEmbeddedObjectList m_objects;
    CChangeList m_properties;
    CPropertyTextList m_texts;
};
