#include "model/CreatorTables.h"

#include "core/Exceptions.h"

void CContentNodeCreatorTable::registerContentNodeCreator(IContentNodeCreator* creator)
{
    put(creator->getInterfaceID(), creator);
}

IContentNodeCreator* CContentNodeCreatorTable::getContentNodeCreator(EContentInterfaceID id) const
{
    IContentNodeCreator* creator = find(id);
    if (!creator)
        throw ExContentNodeCreatorNotFound(
            "REQUIRE: itCNCreator != the_CContentNodeCreatorMap.end()\n\tFile: NodeFTbl  ln(93)");
    return creator;
}

void CNodeWriterCreatorTable::registerNodeWriterCreator(INodeWriterCreator* creator)
{
    put(creator->getInterfaceID(), creator);
}

void CNodeXlatorCreatorTable::registerNodeXlatorCreator(INodeXlatorCreator* creator)
{
    put(creator->getSourceInterfaceID(), creator);
}

void CNodeInterfaceMapper::registerContentNodeCreator(IContentNodeCreator* creator)
{
    m_contentNodeCreators.registerContentNodeCreator(creator);
}

void CNodeInterfaceMapper::registerNodeWriterCreator(INodeWriterCreator* creator)
{
    m_writerCreators.registerNodeWriterCreator(creator);
}

void CNodeInterfaceMapper::registerNodeXlatorCreator(INodeXlatorCreator* creator)
{
    m_xlatorCreators.registerNodeXlatorCreator(creator);
}

void CNodeInterfaceMapper::registerGraphicDataCreator(IGraphicDataCreator* creator)
{
    m_graphicDataCreator.reset(creator);
}

SCreatorGroup& CNodeInterfaceMapper::getInterfaceMap(EContentInterfaceID id)
{
    auto cached = m_cache.find(id);
    if (cached != m_cache.end())
        return cached->second;
    return m_cache.emplace(id, chooseGroup(id)).first->second;
}

SCreatorGroup CNodeInterfaceMapper::chooseGroup(EContentInterfaceID id)
{
    SCreatorGroup group;
    group.contentNodeCreator = m_contentNodeCreators.getContentNodeCreator(id);
    group.nodeWriterCreator = m_writerCreators.getNodeWriterCreator(id);
    if (group.nodeWriterCreator) {
        group.nodeXlatorCreator = m_xlatorCreators.getIdentNXCreator();
        return group;
    }
    group.nodeXlatorCreator = m_xlatorCreators.getNodeXlatorCreator(id);
    if (group.nodeXlatorCreator)
        group.nodeWriterCreator = m_writerCreators.getNodeWriterCreator(group.nodeXlatorCreator->getDestInterfaceID());
    else
        group.nodeXlatorCreator = m_xlatorCreators.getIdentNXCreator();
    if (!group.nodeWriterCreator)
        group.nodeWriterCreator = m_writerCreators.getNULLNWCreator();
    return group;
}
