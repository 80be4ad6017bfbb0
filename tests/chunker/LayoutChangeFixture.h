// The top of a reader's tree (document, section, paragraph) built by a
// factory with the reader's node classes and translators, and a reader's
// handler table, for the tests of the break, page and column changes. The
// handlers read their data records from a listing served by the host
// stand-in.
#pragma once

#include "chunker/ChangeFactory.h"
#include "chunker/ChangeList.h"
#include "chunker/ReaderNodeCreators.h"
#include "chunker/WordParagraphDynXlator.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/XlatorManager.h"
#include "host/Document.h"
#include "host/Export.h"
#include "host/Listing.h"
#include "model/CharacterString.h"
#include "model/ColumnProperties.h"
#include "model/NodeFactory.h"
#include "model/PageProperties.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace layouttest {

using Log = std::vector<std::string>;

// Follows the writing protocol of the ICF node writers and logs what it
// would write: "<name>{" with a section's columns and start for the start
// commands, "}<name>" for the end commands of a started node, a text
// strand's text, and "<name>+" when a section is told of a new child. Nothing is written, and every node
// stays in the tree, until the document's properties are done.
class RecordingWriter : public CNodeWriter {
public:
    RecordingWriter(Log& log, std::string name)
        : m_log(log)
        , m_name(std::move(name))
    {
    }

    void onAttachChild(INode*) override
    {
        if (section())
            m_log.push_back(m_name + "+");
    }
    void onPropertiesDone() override
    {
        if (text() || !getNode()->isOkToWrite())
            return;
        m_started = true;
        ISectionProperties* properties = section() ? section()->getProperties() : nullptr;
        m_log.push_back(m_name + "{" + (properties ? describe(*properties) : ""));
        getNode()->renotifyChildren(INode::ENodeNotifications(INode::kNotifyPropertiesDone | INode::kNotifyDone));
    }
    void onDone() override
    {
        if (!getNode()->isOkToWrite())
            return;
        CCharacterString characters;
        if (text())
            m_log.push_back(text()->getText(characters).getString());
        else if (m_started)
            m_log.push_back("}" + m_name);
        getNode()->release();
    }
    bool canChildWrite(INode*) override { return getNode()->isOkToWrite() && getNode()->arePropertiesDone(); }

private:
    ISectionContent* section() { return dynamic_cast<ISectionContent*>(getNode()->getIContent()); }
    ITextStrandContent* text() { return dynamic_cast<ITextStrandContent*>(getNode()->getIContent()); }
    static std::string describe(ISectionProperties& properties)
    {
        CColumnProperties* columns = properties.getColumnProperties();
        return std::to_string(columns ? columns->getColumnDefinitionList().size() : 0) + " columns, start "
            + std::to_string(properties.getSectionStartOn());
    }

    Log& m_log;
    std::string m_name;
    bool m_started = false;
};

// Lets its children write once its properties are done; forgets the
// document when it releases it.
class DocumentRecorder : public CNodeWriter {
public:
    explicit DocumentRecorder(INode*& root)
        : m_root(root)
    {
    }
    void onPropertiesDone() override
    {
        getNode()->renotifyChildren(INode::ENodeNotifications(INode::kNotifyPropertiesDone | INode::kNotifyDone));
    }
    void onDone() override
    {
        m_root = nullptr;
        getNode()->release();
    }
    bool canChildWrite(INode*) override { return getNode()->arePropertiesDone(); }

private:
    INode*& m_root;
};

class WriterCreator : public INodeWriterCreator {
public:
    WriterCreator(EContentInterfaceID id, std::function<CNodeWriter*()> make)
        : m_id(id)
        , m_make(std::move(make))
    {
    }
    CNodeWriter* create() override { return m_make(); }
    EContentInterfaceID getInterfaceID() override { return m_id; }

private:
    EContentInterfaceID m_id;
    std::function<CNodeWriter*()> m_make;
};

class LayoutChangeFixture : public ::testing::Test {
protected:
    // `records` is a listing with the data records the changes name.
    explicit LayoutChangeFixture(const std::string& records = "")
        : hostDocument(trxhost::parseListing(records, "layout.lst"))
        , hostExport(*hostDocument)
    {
        CChunkerList::setHExport(hostExport.handle());
        INodeRegistrar* registrar = factory.getINodeRegistrar();
        registerReaderNodeCreators(*registrar);
        CXlatorManager().initialize(registrar);
        recordWriting(*registrar);
        root = factory.createNode(kDocumentNode);
        section = factory.createNode(kSectionNode);
        root->attachNode(section);
        cursor = factory.createNode(kParagraphNode);
        new CWordParagraphDynXlator(cursor);
        section->attachNode(cursor);
        log.clear();
    }
    ~LayoutChangeFixture() override
    {
        if (root)
            root->release();
    }

    // One change through the handler the reader registers for its type.
    uint32_t change(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0)
    {
        CChange& handler = changes.getChangeFactory().getChangeHandler(type);
        handler.setChange(type, value1, value2, value3);
        return handler.process(cursor);
    }

    // A text strand in the cursor paragraph, as a text change leaves it.
    void addText(const char* text)
    {
        INode* strand = factory.createNode(kTextStrandNode);
        dynamic_cast<ITextStrandContent&>(*strand->getIContent()).setText(CCharacterString(text, 0));
        cursor->attachNode(strand);
        strand->done();
    }

    CWordParagraphNode& paragraph() { return dynamic_cast<CWordParagraphNode&>(*cursor); }
    ISectionProperties& sectionProperties()
    {
        return *dynamic_cast<ISectionContent&>(*section->getIContent()).getProperties();
    }

    static std::vector<INode*> children(INode* node) { return { node->getFirstChild(), node->getTermChild() }; }

    std::unique_ptr<trxhost::Document> hostDocument;
    trxhost::Export hostExport;
    CNodeFactory factory;
    CChangeListProcess changes;
    Log log;
    INode* root = nullptr;
    INode* section = nullptr;
    INode* cursor = nullptr;

private:
    // Sections are named in the order they are made; the other containers
    // by their kind. The column and reader strand nodes keep the writers
    // their translators give them.
    void recordWriting(INodeRegistrar& registrar)
    {
        for (int id = kBookmarkBeginCSNode; id <= kIncludedDocumentCSNode; ++id) {
            const auto kind = static_cast<EContentInterfaceID>(id);
            if (kind != kChunkerColumnNode && kind != kWordTextStrandNode)
                registrar.registerNodeWriterCreator(
                    new WriterCreator(kind, [this, kind] { return new RecordingWriter(log, std::to_string(kind)); }));
        }
        registrar.registerNodeWriterCreator(
            new WriterCreator(kDocumentNode, [this] { return new DocumentRecorder(root); }));
        registrar.registerNodeWriterCreator(new WriterCreator(kSectionNode,
            [this, count = 0]() mutable { return new RecordingWriter(log, "S" + std::to_string(++count)); }));
        registrar.registerNodeWriterCreator(
            new WriterCreator(kParagraphNode, [this] { return new RecordingWriter(log, "P"); }));
    }
};

} // namespace layouttest
