#include "chunker/ChangeText.h"

#include "chunker/WordParagraphNode.h"
#include "chunker/WordTextStrandNode.h"
#include "core/Exceptions.h"
#include "model/CharacterString.h"
#include "model/NodeFactory.h"

#include <vector>

namespace {

// A text run longer than this cannot come from a sound document; the bound
// keeps a damaged count from asking for gigabytes before the host is asked
// for the units.
constexpr uint32_t kMaxTextRunLength = 0x100000;

} // namespace

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

    INode* node = paragraph->getNodeFactory()->createNode(kWordTextStrandNode);
    auto* strand = dynamic_cast<CWordTextStrandNode*>(node);
    if (!strand) {
        if (node)
            node->release();
        return 0;
    }
    strand->setText(text);
    if (IStrandStyleContent* style = paragraph->getStrandStyle())
        strand->setStyle(style);
    auto* properties = new CWordStrandProperties(*paragraph->getStrandProperties());
    strand->setWordProperties(properties);
    properties->releaseRef();

    paragraph->attachNode(strand);
    strand->done();
    return 0;
}
