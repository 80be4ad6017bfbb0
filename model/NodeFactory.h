// The node factory: makes every node of the tree together with its
// translator and writer, wired so that each event flows node -> translator
// -> writer.
#pragma once

#include "model/CreatorTables.h"
#include "model/Node.h"

#include <memory>

class CGraphicData;
class CWriter;

class INodeFactory {
public:
    virtual ~INodeFactory() = default;
    virtual INode* createNode(EContentInterfaceID id) = 0;
    // The data object for a new graphic node: made by the registered graphic
    // data creator, a plain CGraphicData when none is registered.
    virtual std::unique_ptr<CGraphicData> createGraphicData() = 0;
};

class CNodeFactory : public INodeFactory {
public:
    INode* createNode(EContentInterfaceID id) override;
    std::unique_ptr<CGraphicData> createGraphicData() override;
    INodeRegistrar* getINodeRegistrar() { return &m_mapper; }
    // The output writer handed to every node writer made from now on.
    void registerWriter(CWriter* writer) { m_writer = writer; }

private:
    CWriter* m_writer = nullptr;
    CNodeInterfaceMapper m_mapper;
};
