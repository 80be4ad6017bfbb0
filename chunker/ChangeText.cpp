#include "chunker/ChangeText.h"

#include "chunker/ChangeList.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordTextStrandNode.h"
#include "core/Exceptions.h"
#include "model/CharacterString.h"
#include "model/CountedReference.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"

#include <algorithm>
#include <vector>

namespace {

// Runs of up to this many units are read into a buffer on the stack; only
// longer ones take one from the heap.
constexpr uint32_t kStackRunUnits = 256;

// The `count` units from `firstUnit` on of `list`, in the paragraph's
// character sets.
CCharacterString readUnits(CChunkerList& list, uint32_t firstUnit, uint32_t count, const CWordParagraphNode& paragraph)
{
    list.moveToElementById(firstUnit);
    // One unit more than asked, so that an empty run still hands the host a
    // buffer.
    uint16_t stackBuffer[kStackRunUnits + 1];
    std::vector<uint16_t> heapBuffer;
    uint16_t* buffer = stackBuffer;
    if (count > kStackRunUnits) {
        heapBuffer.resize(size_t{count} + 1);
        buffer = heapBuffer.data();
    }
    std::fill_n(buffer, size_t{count} + 1, 0);
    list.getNextElements(count, buffer);

    CCharacterString text;
    text.setString(buffer, count, paragraph.getCharset());
    text.setWideStringDefaultCharacterSet(paragraph.getWideStringDefaultCharacterSet());
    return text;
}

} // namespace

CCharacterString readTextRun(CTextList& texts, uint32_t firstUnit, uint32_t count, const CWordParagraphNode& paragraph,
                             const char* tooLong)
{
    if (count > kMaxTextRunLength)
        throw ExMisformedChunkerDataError(tooLong);
    return readUnits(texts, firstUnit, count, paragraph);
}

CCharacterString readPropertyText(CChangeList& changes, CPropertyTextList& texts, uint32_t changeId,
                                  const CWordParagraphNode& paragraph, const SPropertyTextFailures& failures)
{
    changes.moveToElementById(changeId);
    if (changes.getNextElement() != TRXERR_OK)
        throw ExMisformedChunkerDataError(failures.missing);
    uint32_t textId = 0;
    uint32_t unused = 0;
    uint32_t length = 0;
    changes.getChangeValues(textId, unused, length);
    if (length > failures.maxLength)
        throw ExMisformedChunkerDataError(failures.tooLong);
    return readUnits(texts, textId, length, paragraph);
}

INode* newTextStrand(CWordParagraphNode& paragraph, const CCharacterString& text)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kWordTextStrandNode));
    CWordTextStrandNode* strand = wordTextStrandOf(node.get());
    if (!strand)
        return nullptr;
    strand->setText(text);
    if (IStrandStyleContent* style = paragraph.getStrandStyle())
        strand->setStyle(style);
    strand->setWordProperties(makeCounted<CWordStrandProperties>(*paragraph.getStrandProperties()).get());
    return node.take();
}

uint32_t CChangeText::process(INode*& pNodeParent)
{
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        return 0;

    const CCharacterString text = readTextRun(m_textList, getValue1(), getValue2(), *paragraph,
                                              "REQUIRE: count <= kMaxTextRunLength\n\tFile: ChCText");
    // Released again unless it joins the paragraph.
    CPendingNode node(newTextStrand(*paragraph, text));
    if (!node.get())
        return 0;
    paragraph->attachNode(node.get());
    node.take()->done();
    return 0;
}
