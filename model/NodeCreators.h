// The creators the factory makes nodes, translators and writers with, the
// registrar through which reader, writer and translator manager supply them,
// and the generic and default creators.
#pragma once

#include "model/ContentInterfaceID.h"
#include "model/NodeWriter.h"
#include "model/NodeXlator.h"

class CContentNode;
class IGraphicDataCreator;

class IContentNodeCreator {
public:
    virtual ~IContentNodeCreator() = default;
    virtual CContentNode* create() = 0;
    virtual EContentInterfaceID getInterfaceID() = 0;
};

class INodeWriterCreator {
public:
    virtual ~INodeWriterCreator() = default;
    virtual CNodeWriter* create() = 0;
    virtual EContentInterfaceID getInterfaceID() = 0;
};

class INodeXlatorCreator {
public:
    virtual ~INodeXlatorCreator() = default;
    virtual CNodeXlator* create() = 0;
    virtual EContentInterfaceID getSourceInterfaceID() = 0;
    virtual EContentInterfaceID getDestInterfaceID() = 0;
};

// Registration hands the creator over: the registrar owns it from the call
// on, even when registering fails.
class INodeRegistrar {
public:
    virtual ~INodeRegistrar() = default;
    virtual void registerContentNodeCreator(IContentNodeCreator* creator) = 0;
    virtual void registerNodeWriterCreator(INodeWriterCreator* creator) = 0;
    virtual void registerNodeXlatorCreator(INodeXlatorCreator* creator) = 0;
    // The maker of graphic data objects (see INodeFactory::createGraphicData).
    virtual void registerGraphicDataCreator(IGraphicDataCreator* creator) = 0;
};

// Creates default-constructed nodes of class T, whose kind is T::kInterfaceID.
template <class T>
class TContentNodeCreator : public IContentNodeCreator {
public:
    CContentNode* create() override { return new T; }
    EContentInterfaceID getInterfaceID() override { return T::kInterfaceID; }
};

// The writer of kinds nobody writes: a plain node writer.
class CNULLNodeWriterCreator : public INodeWriterCreator {
public:
    CNodeWriter* create() override { return new CNodeWriter; }
    EContentInterfaceID getInterfaceID() override { return kNullInterface; }
};

// The translator of kinds nobody translates: events pass unchanged.
class CIdentityNodeXlatorCreator : public INodeXlatorCreator {
public:
    CNodeXlator* create() override { return new CNodeXlator; }
    EContentInterfaceID getSourceInterfaceID() override { return kIdentityInterface; }
    EContentInterfaceID getDestInterfaceID() override { return kIdentityInterface; }
};
