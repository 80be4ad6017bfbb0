#include "chunker/ChangeText.h"

#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordTextStrandNode.h"
#include "core/Exceptions.h"
#include "model/CharacterString.h"
#include "model/CountedReference.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"

#include <vector>

uint32_t CChangeText::process(INode*& pNodeParent)
{
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        return 0;

    const uint32_t count = getValue2();
    if (count > kMaxTextRunLength)
        throw ExMisformedChunkerDataError("REQUIRE: count <= kMaxTextRunLength\n\tFile: ChCText");
    m_textList.moveToElementById(getValue1());
    // One unit more than asked, so that an empty run still hands the host a
    // buffer.
    std::vector<uint16_t> buffer(size_t{count} + 1, 0);
    m_textList.getNextElements(count, buffer.data());

    CCharacterString text;
    text.setString(buffer.data(), count, paragraph->getCharset());
    text.setWideStringDefaultCharacterSet(paragraph->getWideStringDefaultCharacterSet());

    // Released again unless it joins the paragraph.
    CPendingNode node(paragraph->getNodeFactory()->createNode(kWordTextStrandNode));
    auto* strand = dynamic_cast<CWordTextStrandNode*>(node.get());
    if (!strand)
        return 0;
    strand->setText(text);
    if (IStrandStyleContent* style = paragraph->getStrandStyle())
        strand->setStyle(style);
    strand->setWordProperties(makeCounted<CWordStrandProperties>(*paragraph->getStrandProperties()).get());

    paragraph->attachNode(strand);
    node.take();
    strand->done();
    return 0;
}
