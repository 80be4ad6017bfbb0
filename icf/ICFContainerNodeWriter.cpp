#include "icf/ICFContainerNodeWriter.h"

void CICFContainerNodeWriter::onPropertiesDone()
{
    if (!getNode()->isOkToWrite())
        return;
    writeStartCommands();
    renotifyCompletedChildren();
}

void CICFContainerNodeWriter::onDone()
{
    if (!getNode()->isOkToWrite())
        return;
    writeEndCommands();
    CICFNodeWriter::onDone();
}

bool CICFContainerNodeWriter::canChildWrite(INode*)
{
    INode* node = getNode();
    return node->isOkToWrite() && node->arePropertiesDone();
}

void CICFContainerNodeWriter::write()
{
    writeStartCommands();
    writeChildren();
    writeEndCommands();
}
