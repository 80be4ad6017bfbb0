#include "model/NodeWriter.h"

void CNodeWriter::onDone()
{
    // Releasing the node disposes of this writer too: nothing may follow.
    m_node->release();
}

void CNodeWriter::write()
{
    writeChildren();
}

bool CNodeWriter::canChildWrite(INode*)
{
    return false;
}

void CNodeWriter::writeChildren()
{
    forEachChild(*m_node, [](INode* child) {
        if (INodeWriter* writer = child->getNodeWriter())
            writer->write();
    });
}
