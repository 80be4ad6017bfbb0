// Fixtures for the tests of the reader's nodes, translators and change
// handlers.
#pragma once

#include "chunker/ChangeFactory.h"
#include "chunker/ChangeList.h"
#include "chunker/ReaderNodeCreators.h"
#include "chunker/WordNodeCreators.h"
#include "chunker/WordParagraphDynXlator.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordTextStrandNode.h"
#include "chunker/XlatorManager.h"
#include "model/CharacterString.h"
#include "model/ColumnProperties.h"
#include "model/DocumentNode.h"
#include "model/FontDefinition.h"
#include "model/FontDefinitionTableNode.h"
#include "model/NodeFactory.h"
#include "model/PageProperties.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"
#include "model/StrandFlags.h"
#include "model/TextStrandNode.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"
#include "trxhost/Listing.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A node factory that knows the reader's node classes.
class WordNodeFixture : public ::testing::Test {
protected:
    WordNodeFixture() { registerReaderNodeCreators(*factory.getINodeRegistrar()); }
    ~WordNodeFixture() override
    {
        for (INode* node : owned)
            node->release();
        for (CFontDefinition* font : fonts)
            font->releaseRef();
    }

    // A new node of kind `id`, seen as the reader's class T.
    template <class T>
    T* make(EContentInterfaceID id)
    {
        T* node = dynamic_cast<T*>(factory.createNode(id));
        EXPECT_NE(node, nullptr);
        return node;
    }

    // A font definition, released with the fixture.
    CFontDefinition* font(uint32_t id, const char* name = "")
    {
        fonts.push_back(new CFontDefinition(id, CCharacterString(name, 0)));
        return fonts.back();
    }

    // `node`, released with the fixture (after the tree of a reader's tree
    // fixture), in the order given.
    template <class T>
    T* own(T* node)
    {
        owned.push_back(node);
        return node;
    }

    CNodeFactory factory;
    std::vector<INode*> owned;
    std::vector<CFontDefinition*> fonts;
};

namespace readertest {

using Log = std::vector<std::string>;

// What a writer re-notifies its node's children with once it has written the
// node's start.
constexpr auto kDoneAndPropertiesDone =
    static_cast<INode::ENodeNotifications>(INode::kNotifyDone | INode::kNotifyPropertiesDone);

class WriterCreator : public INodeWriterCreator {
public:
    WriterCreator(EContentInterfaceID id, std::function<CNodeWriter*()> make) : m_id(id), m_make(std::move(make)) {}
    CNodeWriter* create() override { return m_make(); }
    EContentInterfaceID getInterfaceID() override { return m_id; }

private:
    EContentInterfaceID m_id;
    std::function<CNodeWriter*()> m_make;
};

inline std::vector<INode*> childrenOf(INode* node)
{
    return std::vector<INode*>(node->getFirstChild(), node->getTermChild());
}

// `f` of each child of `node`, in order.
template <class F>
auto ofChildren(INode* node, F f)
{
    std::vector<decltype(f(node))> values;
    for (INode* child : childrenOf(node))
        values.push_back(f(child));
    return values;
}

inline std::vector<EContentInterfaceID> kindsOf(INode* node)
{
    return ofChildren(node, [](INode* child) { return child->getContentInterfaceID(); });
}

inline std::u16string textOf(INode* node)
{
    auto* strand = dynamic_cast<ITextStrandContent*>(node->getIContent());
    if (!strand)
        return u"<not text>";
    CCharacterString text;
    strand->getText(text);
    std::u16string units;
    for (uint32_t i = 0; i < text.getLength(); ++i)
        units.push_back(static_cast<char16_t>(text.getCharacterAt(i)));
    return units;
}

inline IStrandProperties* propertiesOf(INode* node)
{
    auto* strand = dynamic_cast<IStrandContent*>(node->getIContent());
    return strand ? strand->getProperties() : nullptr;
}

// Every character attribute of `properties` in one line, to compare states.
inline std::string describe(const IStrandProperties& p)
{
    CUnderlining underline;
    p.getUnderline(underline);
    CStrandColor color;
    p.getColor(color);
    CColor foreground, background;
    color.getForeground(foreground);
    color.getBackground(background);
    CLanguage language;
    p.getLanguage(language);
    auto font = [](const CFontDefinition* f) { return f ? std::to_string(f->getID()) : std::string("-"); };
    std::string text;
    for (const SStrandFlag& flag : kStrandFlags)
        text += isFlagSet(p, flag.flag) ? '1' : '0';
    for (long value :
         {long(p.getFontSize()), long(p.getPairKerningStart()), long(p.getCaseModifier()), long(p.getScripting()),
          long(p.getStrikeOut()), long(p.getCharacterWidthAdjustment()), long(p.getBaselineShift()),
          long(underline.getLineType()), long(underline.getUnderlineMode()), long(foreground.getRed()),
          long(foreground.getGreen()), long(foreground.getBlue()), long(foreground.getAuto()),
          long(background.getRed()), long(background.getGreen()), long(background.getBlue()),
          long(background.getAuto()), long(language.getLanguage()), long(language.getSublanguage())})
        text += ' ' + std::to_string(value);
    text += " font " + font(p.getFontName());
    if (auto* word = dynamic_cast<const CWordStrandProperties*>(&p))
        text += " asian " + font(word->getFontNameAsian()) + " low " + font(word->getFontNameLowRange());
    return text;
}

// The reader's translators, a host document served from a listing, the
// reader's handler table and the top of a reader's tree (document with a font
// table, section, paragraph); the paragraph is the cursor the changes work
// on. The writers are the deriving fixture's choice.
class ReaderTreeFixture : public WordNodeFixture {
protected:
    // `listing` is served by the host stand-in (its text list, data records
    // and change list).
    explicit ReaderTreeFixture(const std::string& listing)
        : hostDocument(trxhost::parseListing(listing, "changes.lst")), hostExport(*hostDocument)
    {
        CChunkerList::setHExport(hostExport.handle());
        CXlatorManager().initialize(factory.getINodeRegistrar());
    }

    ~ReaderTreeFixture() override
    {
        if (root)
            root->release();
    }

    // Gives each kind the writer `writerOf` returns for it, except the kinds
    // whose translators pass them to other writers (column groups and the
    // reader's text strands), then builds the tree's top.
    void build(std::function<CNodeWriter*(EContentInterfaceID)> writerOf)
    {
        auto make = std::make_shared<decltype(writerOf)>(std::move(writerOf));
        for (int id = kBookmarkBeginCSNode; id <= kIncludedDocumentCSNode; ++id) {
            const auto kind = static_cast<EContentInterfaceID>(id);
            if (kind != kChunkerColumnNode && kind != kWordTextStrandNode)
                factory.getINodeRegistrar()->registerNodeWriterCreator(
                    new WriterCreator(kind, [make, kind] { return (*make)(kind); }));
        }
        root = factory.createNode(kDocumentNode);
        section = factory.createNode(kSectionNode);
        root->attachNode(section);
        cursor = factory.createNode(kParagraphNode);
        section->attachNode(cursor);
        INode* fontTable = factory.createNode(kFontDefinitionTableNode);
        documentContent().setFontTable(dynamic_cast<IFontDefinitionTableContent*>(fontTable->getIContent()));
    }

    IDocumentContent& documentContent() { return dynamic_cast<IDocumentContent&>(*root->getIContent()); }
    CWordParagraphNode& paragraph() { return dynamic_cast<CWordParagraphNode&>(*cursor); }
    IParagraphProperties& paragraphProperties() { return *paragraph().getProperties(); }
    CWordStrandProperties& running() { return *paragraph().getStrandProperties(); }
    ISectionProperties& sectionProperties()
    {
        return *dynamic_cast<ISectionContent&>(*section->getIContent()).getProperties();
    }

    // Adds a font to the document's font table.
    CFontDefinition* addFont(uint32_t id, const char* name)
    {
        CFontDefinition* definition = font(id, name);
        documentContent().getFontTable()->addFont(definition);
        return definition;
    }

    // A text strand in the cursor paragraph, as a text change leaves it.
    void addText(const char* text)
    {
        INode* strand = factory.createNode(kTextStrandNode);
        dynamic_cast<ITextStrandContent&>(*strand->getIContent()).setText(CCharacterString(text, 0));
        cursor->attachNode(strand);
        strand->done();
    }

    // The handler registered for `type`, given the change.
    CChange& handler(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0)
    {
        CChange& handler = changes.getChangeFactory().getChangeHandler(type);
        handler.setChange(type, value1, value2, value3);
        return handler;
    }

    // One change through its handler, on the cursor.
    uint32_t change(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0)
    {
        return handler(type, value1, value2, value3).process(cursor);
    }

    std::unique_ptr<trxhost::Document> hostDocument;
    trxhost::Export hostExport;
    CChangeListProcess changes;
    Log log;
    INode* root = nullptr;
    INode* section = nullptr;
    INode* cursor = nullptr;
};

// Logs the events of its node ("P", "C", "D" with the node's kind) and keeps
// the node; a done node is released (as if written) while `*release` is
// set, like a strand writer once its paragraph has started.
class KeepingWriter : public CNodeWriter {
public:
    KeepingWriter(Log& log, const bool* release) : m_log(log), m_release(release) {}
    void onPropertiesDone() override { record("P"); }
    void onContentDone() override { record("C"); }
    void onDone() override
    {
        record("D");
        if (m_release && *m_release)
            getNode()->release();
    }

private:
    void record(const char* event)
    {
        m_log.push_back(event + (" " + std::to_string(getNode()->getContentInterfaceID())));
    }

    Log& m_log;
    const bool* m_release;
};

// For the handlers that edit the tree in place: each change must succeed
// and leave the cursor where it is.
class ChangeHandlerFixture : public ReaderTreeFixture {
protected:
    explicit ChangeHandlerFixture(const std::string& listing = "") : ReaderTreeFixture(listing)
    {
        build([this](EContentInterfaceID kind) {
            return new KeepingWriter(log, kind == kTextStrandNode ? &open : nullptr);
        });
    }

    void change(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0)
    {
        INode* before = cursor;
        EXPECT_EQ(ReaderTreeFixture::change(type, value1, value2, value3), 0u);
        EXPECT_EQ(cursor, before) << "the handler of type " << type << " moved the cursor";
    }

    // While set, the writers of text strands release the strands they are
    // told are done, as if they wrote them.
    bool open = false;
};

// Follows the writing protocol of the ICF node writers and logs what it
// would write: "<name>{" with a section's columns and start for the start
// commands, "}<name>" for the end commands of a started node, a text
// strand's text, and "<name>+" when a section is told of a new child.
// Nothing is written, and every node stays in the tree, until the
// document's properties are done.
class RecordingWriter : public CNodeWriter {
public:
    RecordingWriter(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}

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
        getNode()->renotifyChildren(kDoneAndPropertiesDone);
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
        return std::to_string(columns ? columns->getColumnDefinitionList().size() : 0) + " columns, start " +
               std::to_string(properties.getSectionStartOn());
    }

    Log& m_log;
    std::string m_name;
    bool m_started = false;
};

// Lets its children write once its properties are done; forgets the
// document when it releases it.
class DocumentRecorder : public CNodeWriter {
public:
    explicit DocumentRecorder(INode*& root) : m_root(root) {}
    void onPropertiesDone() override { getNode()->renotifyChildren(kDoneAndPropertiesDone); }
    void onDone() override
    {
        m_root = nullptr;
        getNode()->release();
    }
    bool canChildWrite(INode*) override { return getNode()->arePropertiesDone(); }

private:
    INode*& m_root;
};

// For the breaks and the page and column changes, which move the cursor and
// write what they finish. Sections are named in the order they are made
// ("S1", "S2"), paragraphs "P", the other kinds by their number. The cursor
// paragraph waits for its first text, as the reader's paragraphs do.
class LayoutChangeFixture : public ReaderTreeFixture {
protected:
    explicit LayoutChangeFixture(const std::string& records = "") : ReaderTreeFixture(records)
    {
        build([this, sections = 0](EContentInterfaceID kind) mutable -> CNodeWriter* {
            if (kind == kDocumentNode)
                return new DocumentRecorder(root);
            if (kind == kSectionNode)
                return new RecordingWriter(log, "S" + std::to_string(++sections));
            return new RecordingWriter(log, kind == kParagraphNode ? "P" : std::to_string(kind));
        });
        new CWordParagraphDynXlator(cursor);
        log.clear();
    }
};

} // namespace readertest
