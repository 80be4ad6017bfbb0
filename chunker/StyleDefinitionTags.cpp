#include "chunker/StyleDefinitionTags.h"

#include "chunker/ChangeTags.h"
#include "chunker/ChunkerExportState.h"
#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordSavedNodes.h"
#include "core/Exceptions.h"
#include "model/CountedReference.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"
#include "trx/changes.h"

namespace {

static_assert(holdsWords(CHSTYLE_RECORD_SIZE, CHSTYLE_ID, CHSTYLE_KIND, CHSTYLE_NAME, CHSTYLE_BASE),
              "the style's fields lie in the record");

constexpr const char* kNoDocumentForStyle = "REQUIRE: pNodeParent != NULL\n\tFile: ChCTag  ln(705)";
constexpr const char* kEndOutsideStyle = "REQUIRE: pNodeParent->getParentNode() is a style\n\tFile: ChCTag";

std::set<uint32_t>& inertDefinitions()
{
    return SChunkerExportState::current().inertStyleDefinitions;
}

// The node kind of a style kind; false for a kind that is no style.
bool styleNodeKind(uint32_t kind, EContentInterfaceID& node)
{
    switch (kind) {
    case kParagraphStyle:
        node = kParagraphStyleNode;
        return true;
    case kStrandStyle:
        node = kStrandStyleNode;
        return true;
    case kListStyle:
        node = kListStyleNode;
        return true;
    default:
        return false;
    }
}

// Calls `visit` with `node` as the reader's style node of its kind; false
// for any other node.
template <class Visit>
bool visitWordStyle(INode& node, Visit&& visit)
{
    if (auto* style = dynamic_cast<CWordParagraphStyleNode*>(&node))
        visit(*style);
    else if (auto* style = dynamic_cast<CWordStrandStyleNode*>(&node))
        visit(*style);
    else if (auto* style = dynamic_cast<CWordListStyleNode*>(&node))
        visit(*style);
    else
        return false;
    return true;
}

// A style starts its definition with what its base gives it; a paragraph
// style takes copies of its base's properties, which the end replaces.
void startDefinition(CWordParagraphStyleNode& style, IStyleTableContent& table, uint32_t base)
{
    if (base == CHSTYLE_NO_BASE)
        style.setBasedOnStyle(static_cast<IParagraphStyleContent*>(nullptr));
    else
        style.setBasedOnStyle(base, &table);
}

// A character style redefined starts again from defaults: its definition's
// paragraph starts from the style's formatting.
void startDefinition(CWordStrandStyleNode& style, IStyleTableContent& table, uint32_t base)
{
    if (base == CHSTYLE_NO_BASE)
        style.setBasedOnStyle(static_cast<IStrandStyleContent*>(nullptr));
    else
        style.setBasedOnStyle(base, &table);
    style.setProperties(makeCounted<CWordStrandProperties>().get());
}

void startDefinition(CWordListStyleNode&, IStyleTableContent&, uint32_t)
{
}

// The definition's paragraph: in a paragraph style the text has no
// character style; in a character style the style is its own.
void startContent(CWordParagraphStyleNode&, CWordParagraphNode& content)
{
    content.setStrandStyle(nullptr);
}

void startContent(CWordStrandStyleNode& style, CWordParagraphNode& content)
{
    content.setStrandStyle(&style);
}

void startContent(CWordListStyleNode&, CWordParagraphNode&)
{
}

// The style takes copies of what the definition's paragraph gathered,
// replacing whatever it held.
void takeDefinition(CWordParagraphStyleNode& style, CWordParagraphNode& content)
{
    style.setParagraphProperties(cloneOf(content.getProperties()).get());
    style.setStrandProperties(makeCounted<CWordStrandProperties>(*content.getStrandProperties()).get());
}

void takeDefinition(CWordStrandStyleNode& style, CWordParagraphNode& content)
{
    style.setProperties(makeCounted<CWordStrandProperties>(*content.getStrandProperties()).get());
}

// A list style's levels come from the counter changes of its definition.
void takeDefinition(CWordListStyleNode&, CWordParagraphNode&)
{
}

// The style of `id` and `kind` in the table, made and added when there is
// none; null when the factory makes no style of that kind.
IStyleContent* styleToDefine(IStyleTableContent& table, uint32_t id, EStyleTypes kind, EContentInterfaceID nodeKind,
                             INodeFactory& factory)
{
    if (IStyleContent* style = table.findStyle(id, kind))
        return style;
    CPendingNode node(factory.createNode(nodeKind));
    auto* style = dynamic_cast<IStyleContent*>(node.get() ? node.get()->getIContent() : nullptr);
    if (!style)
        return nullptr;
    style->setID(id);
    table.addStyle(style);
    node.take();
    return style;
}

} // namespace

void beginStyleDefinition(CChangeBeginTag& tag, CWordParagraphNode& paragraph, INode*& cursor)
{
    IStyleTableContent* table = requireDocument(&paragraph, kNoDocumentForStyle).getStyleTable();
    const auto record = readDataRecord<CHSTYLE_RECORD_SIZE>(tag, tag.getValue3());
    const uint32_t kind = readBigEndian32(record.data(), CHSTYLE_KIND);
    EContentInterfaceID nodeKind{};
    if (!table || !styleNodeKind(kind, nodeKind)) {
        inertDefinitions().insert(tag.getValue2());
        return;
    }
    CCharacterString name;
    const uint32_t nameChange = readBigEndian32(record.data(), CHSTYLE_NAME);
    if (nameChange != 0)
        name = tag.readName(nameChange, paragraph);

    IStyleContent* style = styleToDefine(*table, readBigEndian32(record.data(), CHSTYLE_ID),
                                         static_cast<EStyleTypes>(kind), nodeKind, *paragraph.getNodeFactory());
    const uint32_t base = readBigEndian32(record.data(), CHSTYLE_BASE);
    // A style whose definition is open (it has a paragraph to return to)
    // cannot be defined again inside it.
    bool opened = false;
    if (style) {
        visitWordStyle(*style->getINode(), [&](auto& node) {
            if (node.getSavedNode())
                return;
            if (nameChange != 0)
                node.setName(name);
            node.setSavedNode(&paragraph);
            startDefinition(node, *table, base);
            openParagraphIn(node, paragraph, cursor);
            startContent(node, wordParagraph(cursor));
            opened = true;
        });
    }
    if (!opened)
        inertDefinitions().insert(tag.getValue2());
}

void endStyleDefinition(const CTypeIdPair& tag, INode*& cursor)
{
    if (tag.getTagType() == CHTAG_STYLE_DEFINITION && inertDefinitions().erase(tag.getTagId()) != 0)
        return;
    INode* style = cursor->getParentNode();
    CWordParagraphNode& content = wordParagraph(cursor);
    INode* saved = nullptr;
    const bool isStyle = style && visitWordStyle(*style, [&](auto& node) {
                             saved = node.getSavedNode();
                             if (!saved)
                                 return;
                             takeDefinition(node, content);
                             node.setSavedNode(nullptr);
                         });
    if (!isStyle || !saved)
        throw ExMisformedChunkerDataError(kEndOutsideStyle);
    cursor->release();
    style->done();
    cursor = saved;
}
