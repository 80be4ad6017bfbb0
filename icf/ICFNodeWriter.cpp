#include "icf/ICFNodeWriter.h"

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
