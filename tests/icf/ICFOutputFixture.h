// An ICF writer that writes into a recording stream, and a node factory
// that gives its nodes the writer's node writers, for byte-exact checks of
// ICF output.
#pragma once

#include "icf/ICFWriter.h"
#include "model/NodeFactory.h"

#include "RecordingStream.h"

#include <gtest/gtest.h>

#include <string>

class ICFOutputFixture : public ::testing::Test {
protected:
    ICFOutputFixture()
    {
        writer.setStream(&stream);
        factory.registerWriter(&writer);
    }

    INodeRegistrar* registrar() { return factory.getINodeRegistrar(); }

    // Everything written so far, the writer's buffer flushed.
    std::string& output()
    {
        writer.flush();
        return stream.bytes;
    }

    // Lets the factory make nodes of these model classes.
    template <class... Nodes>
    void makeNodes()
    {
        (registrar()->registerContentNodeCreator(new TContentNodeCreator<Nodes>), ...);
    }

    CRecordingStream stream;
    CICFWriter writer;
    CNodeFactory factory;
};
