#include "chunker/WordNodeCreators.h"

#include "model/NoteAreaProperties.h"
#include "model/PageProperties.h"
#include "model/SectionProperties.h"

// Each new property object starts with its creator's reference; the node or
// object it is handed to takes one of its own, so the creator's is dropped.

CContentNode* CWordParagraphNodeCreator::create()
{
    auto* paragraph = new CWordParagraphNode;
    auto* properties = new CParagraphProperties;
    paragraph->setProperties(properties);
    properties->releaseRef();
    return paragraph;
}

CContentNode* CWordSectionNodeCreator::create()
{
    auto* section = new CWordSectionNode;
    auto* properties = new CSectionProperties;
    auto* page = new CPageProperties;
    auto* footnotes = new CNoteAreaProperties;
    auto* endnotes = new CNoteAreaProperties;
    properties->setPageProperties(page);
    page->releaseRef();
    properties->setFootnoteProperties(footnotes);
    footnotes->releaseRef();
    properties->setEndnoteProperties(endnotes);
    endnotes->releaseRef();
    section->setProperties(properties);
    properties->releaseRef();
    return section;
}

CContentNode* CWordParagraphStyleNodeCreator::create()
{
    auto* style = new CWordParagraphStyleNode;
    auto* strandProperties = new CWordStrandProperties;
    auto* paragraphProperties = new CParagraphProperties;
    style->setStrandProperties(strandProperties);
    strandProperties->releaseRef();
    style->setParagraphProperties(paragraphProperties);
    paragraphProperties->releaseRef();
    return style;
}

CContentNode* CWordStrandStyleNodeCreator::create()
{
    auto* style = new CWordStrandStyleNode;
    auto* properties = new CWordStrandProperties;
    style->setProperties(properties);
    properties->releaseRef();
    return style;
}
