// A node factory that knows the reader's node classes, for the tests of
// those classes.
#pragma once

#include "chunker/WordNodeCreators.h"
#include "model/NodeFactory.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

class WordNodeFixture : public ::testing::Test {
protected:
    WordNodeFixture()
    {
        INodeRegistrar* registrar = factory.getINodeRegistrar();
        registrar->registerContentNodeCreator(new CWordDocumentNodeCreator);
        registrar->registerContentNodeCreator(new CWordDocumentSummaryNodeCreator);
        registrar->registerContentNodeCreator(new CWordHeaderFooterNodeCreator);
        registrar->registerContentNodeCreator(new CWordSeparatorNodeCreator);
        registrar->registerContentNodeCreator(new CWordParagraphNodeCreator);
        registrar->registerContentNodeCreator(new CWordSectionNodeCreator);
        registrar->registerContentNodeCreator(new CWordParagraphStyleNodeCreator);
        registrar->registerContentNodeCreator(new CWordStrandStyleNodeCreator);
        registrar->registerContentNodeCreator(new CWordListStyleNodeCreator);
        registrar->registerContentNodeCreator(new CWordTableRowNodeCreator);
        registrar->registerContentNodeCreator(new CChunkerColumnNodeCreator);
        registrar->registerContentNodeCreator(new CWordTextStrandNodeCreator);
        registrar->registerContentNodeCreator(new TContentNodeCreator<CTextStrandNode>);
    }

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
