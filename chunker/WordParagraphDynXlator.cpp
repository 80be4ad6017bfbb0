#include "chunker/WordParagraphDynXlator.h"

#include "core/Exceptions.h"
#include "model/NodeUtilities.h"

namespace {

constexpr const char* kNoSectionOnAttach = "REQUIRE: pNodeParent != NULL\n\tFile: ChXLator  ln(175)";
constexpr const char* kNoSectionOnDone = "REQUIRE: pNodeParent != NULL\n\tFile: ChXLator  ln(100)";

bool isTextStrand(INode* node)
{
    const EContentInterfaceID kind = node->getContentInterfaceID();
    return kind == kTextStrandNode || kind == kWordTextStrandNode;
}

} // namespace

CWordParagraphDynXlator::CWordParagraphDynXlator(INode* paragraph) : m_previous(paragraph->getNodeNotify())
{
    paragraph->setNodeNotify(this);
    setNode(paragraph);
}

template <class PassOn>
void CWordParagraphDynXlator::finish(const char* failure, PassOn passOn)
{
    INode* paragraph = getNode();
    INodeNotify* previous = m_previous;
    paragraph->setNodeNotify(previous);
    INode* section = CNodeUtilities::findParent(paragraph, kSectionNode);
    // Out of the chain now: nobody else could delete it later.
    delete this;
    if (!section && failure)
        throw ExNodeParsingError(failure);
    if (previous)
        passOn(*previous);
    if (section)
        section->propertiesDone();
}

void CWordParagraphDynXlator::onAttachChild(INode* child)
{
    if (isTextStrand(child))
        finish(kNoSectionOnAttach, [child](INodeNotify& next) { next.onAttachChild(child); });
}

void CWordParagraphDynXlator::onDone()
{
    finish(kNoSectionOnDone, [](INodeNotify& next) { next.onDone(); });
}

void CWordParagraphDynXlator::onDestroy()
{
    // The paragraph may be going with a tree that is being torn down, from
    // a destructor where an exception cannot be handled: without a section
    // the translator just leaves.
    finish(nullptr, [](INodeNotify& next) { next.onDestroy(); });
}
