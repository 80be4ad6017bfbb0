#include "chunker/WordNodeCreators.h"

#include "model/CountedReference.h"
#include "model/NoteAreaProperties.h"
#include "model/PageProperties.h"
#include "model/SectionProperties.h"

#include <memory>

// Each node and property object is held until it is handed on: the node or
// object that receives a property object takes a reference of its own, and a
// failure midway releases whatever was made.

CContentNode* CWordParagraphNodeCreator::create()
{
    auto paragraph = std::make_unique<CWordParagraphNode>();
    paragraph->setProperties(makeCounted<CParagraphProperties>().get());
    return paragraph.release();
}

CContentNode* CWordSectionNodeCreator::create()
{
    auto section = std::make_unique<CWordSectionNode>();
    auto properties = makeCounted<CSectionProperties>();
    properties->setPageProperties(makeCounted<CPageProperties>().get());
    properties->setFootnoteProperties(makeCounted<CNoteAreaProperties>().get());
    properties->setEndnoteProperties(makeCounted<CNoteAreaProperties>().get());
    section->setProperties(properties.get());
    return section.release();
}

CContentNode* CWordParagraphStyleNodeCreator::create()
{
    auto style = std::make_unique<CWordParagraphStyleNode>();
    style->setStrandProperties(makeCounted<CWordStrandProperties>().get());
    style->setParagraphProperties(makeCounted<CParagraphProperties>().get());
    return style.release();
}

CContentNode* CWordStrandStyleNodeCreator::create()
{
    auto style = std::make_unique<CWordStrandStyleNode>();
    style->setProperties(makeCounted<CWordStrandProperties>().get());
    return style.release();
}
