#include "icf/ICFNodeWriter.h"

#include "icf/ICFWriter.h"

void CICFNodeWriter::getText(std::list<CCharacterString>& texts)
{
    INode* node = getNode();
    if (!node)
        return;
    forEachChild(*node, [&texts](INode* child) {
        if (auto* writer = dynamic_cast<CICFNodeWriter*>(child->getNodeWriter())) {
            std::list<CCharacterString> childTexts;
            writer->getText(childTexts);
            texts.splice(texts.end(), childTexts);
        }
    });
}

bool CICFNodeWriter::queryInterface(int32_t id, void** out)
{
    if (!out || id != kICFNodeWriterInterface)
        return false;
    *out = this;
    return true;
}

CICFWriter* CICFNodeWriter::getICFWriter()
{
    return dynamic_cast<CICFWriter*>(getWriter());
}

void CICFNodeWriter::renotifyCompletedChildren()
{
    constexpr auto kCompleted =
        static_cast<INode::ENodeNotifications>(INode::kNotifyDone | INode::kNotifyPropertiesDone);
    getNode()->renotifyChildren(kCompleted);
}
