// The node factory: makes every node of the tree together with its
// translator and writer, wired so that each event flows node -> translator
// -> writer.
#pragma once

#include "model/CreatorTables.h"
#include "model/Node.h"

class CWriter;

class INodeFactory {
public:
    virtual ~INodeFactory() = default;
    virtual INode* createNode(EContentInterfaceID id) = 0;
};

class CNodeFactory : public INodeFactory {
public:
    INode* createNode(EContentInterfaceID id) override;
    INodeRegistrar* getINodeRegistrar() { return &m_mapper; }
    // The output writer handed to every node writer made from now on.
    void registerWriter(CWriter* writer) { m_writer = writer; }

private:
    CWriter* m_writer = nullptr;
    CNodeInterfaceMapper m_mapper;
};
