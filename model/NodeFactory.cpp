#include "model/NodeFactory.h"

#include "model/ContentNode.h"
#include "model/GraphicData.h"

#include <memory>

INode* CNodeFactory::createNode(EContentInterfaceID id)
{
    SCreatorGroup& group = m_mapper.getInterfaceMap(id);
    std::unique_ptr<CContentNode> node(group.contentNodeCreator->create());
    std::unique_ptr<CNodeXlator> translator(group.nodeXlatorCreator->create());
    std::unique_ptr<CNodeWriter> writer(group.nodeWriterCreator->create());

    node->setNodeFactory(this);
    node->setNodeNotify(translator.get());
    node->setNodeWriter(writer.get());
    translator->setNode(node.get());
    translator->setNodeNotify(writer.get());
    writer->setNode(node.get());
    writer->setWriter(m_writer);

    CNodeXlator* firstReceiver = translator.get();
    node->bindCompanions(std::move(translator), std::move(writer));
    firstReceiver->onCreate();
    return node.release();
}

std::unique_ptr<CGraphicData> CNodeFactory::createGraphicData()
{
    if (IGraphicDataCreator* creator = m_mapper.getGraphicDataCreator())
        return creator->create();
    return std::make_unique<CGraphicData>();
}
