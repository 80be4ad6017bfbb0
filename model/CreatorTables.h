// The three creator tables, each an ordered map from node kind to the creator
// registered for it, and the mapper that picks a kind's creator group.
#pragma once

#include "model/GraphicData.h"
#include "model/NodeCreators.h"

#include <map>
#include <memory>

// A table owns its creators; a later registration for a kind replaces (and
// destroys) the earlier one.
template <class Creator>
class TCreatorTable {
public:
    // Owns `creator` from the call on, also when the table fails to grow.
    void put(EContentInterfaceID id, Creator* creator)
    {
        std::unique_ptr<Creator> owned(creator);
        m_creators[id] = std::move(owned);
    }
    Creator* find(EContentInterfaceID id) const
    {
        auto it = m_creators.find(id);
        return it == m_creators.end() ? nullptr : it->second.get();
    }

private:
    std::map<EContentInterfaceID, std::unique_ptr<Creator>> m_creators;
};

class CContentNodeCreatorTable : private TCreatorTable<IContentNodeCreator> {
public:
    void registerContentNodeCreator(IContentNodeCreator* creator);
    // Raises ExContentNodeCreatorNotFound for a kind nobody registered.
    IContentNodeCreator* getContentNodeCreator(EContentInterfaceID id) const;
};

class CNodeWriterCreatorTable : private TCreatorTable<INodeWriterCreator> {
public:
    void registerNodeWriterCreator(INodeWriterCreator* creator);
    INodeWriterCreator* getNodeWriterCreator(EContentInterfaceID id) const { return find(id); }
    INodeWriterCreator* getNULLNWCreator() { return &m_nullCreator; }

private:
    CNULLNodeWriterCreator m_nullCreator;
};

class CNodeXlatorCreatorTable : private TCreatorTable<INodeXlatorCreator> {
public:
    void registerNodeXlatorCreator(INodeXlatorCreator* creator);
    INodeXlatorCreator* getNodeXlatorCreator(EContentInterfaceID id) const { return find(id); }
    INodeXlatorCreator* getIdentNXCreator() { return &m_identityCreator; }

private:
    CIdentityNodeXlatorCreator m_identityCreator;
};

// The creators that together make one kind of node. Not owned.
struct SCreatorGroup {
    IContentNodeCreator* contentNodeCreator = nullptr;
    INodeWriterCreator* nodeWriterCreator = nullptr;
    INodeXlatorCreator* nodeXlatorCreator = nullptr;
};

class CNodeInterfaceMapper : public INodeRegistrar {
public:
    void registerContentNodeCreator(IContentNodeCreator* creator) override;
    void registerNodeWriterCreator(INodeWriterCreator* creator) override;
    void registerNodeXlatorCreator(INodeXlatorCreator* creator) override;
    // A later creator replaces (and destroys) the earlier one.
    void registerGraphicDataCreator(IGraphicDataCreator* creator) override;
    // Null until one is registered.
    IGraphicDataCreator* getGraphicDataCreator() const { return m_graphicDataCreator.get(); }

    // Chosen on the first request for a kind and kept from then on: a kind
    // with a writer of its own is never translated; a kind without one is
    // served by its translator and the writer of the translator's target.
    SCreatorGroup& getInterfaceMap(EContentInterfaceID id);

private:
    SCreatorGroup chooseGroup(EContentInterfaceID id);

    CNodeXlatorCreatorTable m_xlatorCreators;
    CNodeWriterCreatorTable m_writerCreators;
    CContentNodeCreatorTable m_contentNodeCreators;
    std::map<EContentInterfaceID, SCreatorGroup> m_cache;
    std::unique_ptr<IGraphicDataCreator> m_graphicDataCreator;
};
