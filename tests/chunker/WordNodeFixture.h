// A node factory that knows the reader's node classes, for the tests of
// those classes.
#pragma once

#include "chunker/ReaderNodeCreators.h"
#include "chunker/WordNodeCreators.h"
#include "model/NodeFactory.h"

#include <gtest/gtest.h>

class WordNodeFixture : public ::testing::Test {
protected:
    WordNodeFixture() { registerReaderNodeCreators(*factory.getINodeRegistrar()); }

    // A new node of kind `id`, seen as the reader's class T.
    template <class T>
    T* make(EContentInterfaceID id)
    {
        T* node = dynamic_cast<T*>(factory.createNode(id));
        EXPECT_NE(node, nullptr);
        return node;
    }

    CNodeFactory factory;
};
