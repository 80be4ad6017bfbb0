// A reader's tree (document, section, paragraph, font table) built by a
// factory that knows the reader's node classes and the text strand
// translator, with writers that keep every node and log its events, so that
// the tests of the change handlers can look at the tree the handlers build.
// Changes reach the handlers of a real handler table, either one by one or
// from the change list of a listing served by the host stand-in.
#pragma once

#include "chunker/ChangeFactory.h"
#include "chunker/ChangeList.h"
#include "chunker/ReaderNodeCreators.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordStrandNodeXlator.h"
#include "chunker/WordTextStrandNode.h"
#include "host/Document.h"
#include "host/Export.h"
#include "host/Listing.h"
#include "model/CharacterString.h"
#include "model/DocumentNode.h"
#include "model/FontDefinition.h"
#include "model/FontDefinitionTableNode.h"
#include "model/NodeFactory.h"
#include "model/StrandStyleNode.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace changetest {

using Log = std::vector<std::string>;

// Logs the events of its node ("P", "C", "D" with the node's kind) and keeps
// the node; with `releaseWhenOpen`, a done node is released (as if written)
// while `open` is set, like a strand writer once its paragraph has started.
class KeepingWriter : public CNodeWriter {
public:
    KeepingWriter(Log& log, const bool& open, bool releaseWhenOpen)
        : m_log(log), m_open(open), m_releaseWhenOpen(releaseWhenOpen)
    {
    }
    void onPropertiesDone() override { record("P"); }
    void onContentDone() override { record("C"); }
    void onDone() override
    {
        record("D");
        if (m_releaseWhenOpen && m_open)
            getNode()->release();
    }

private:
    void record(const char* event)
    {
        m_log.push_back(event + std::string(" ") + std::to_string(getNode()->getContentInterfaceID()));
    }

    Log& m_log;
    const bool& m_open;
    bool m_releaseWhenOpen;
};

class KeepingWriterCreator : public INodeWriterCreator {
public:
    KeepingWriterCreator(EContentInterfaceID id, Log& log, const bool& open, bool releaseWhenOpen)
        : m_id(id), m_log(log), m_open(open), m_releaseWhenOpen(releaseWhenOpen)
    {
    }
    CNodeWriter* create() override { return new KeepingWriter(m_log, m_open, m_releaseWhenOpen); }
    EContentInterfaceID getInterfaceID() override { return m_id; }

private:
    EContentInterfaceID m_id;
    Log& m_log;
    const bool& m_open;
    bool m_releaseWhenOpen;
};

// The text strand translator as the translator manager registers it.
class WordStrandXlatorCreator : public INodeXlatorCreator {
public:
    CNodeXlator* create() override { return new CWordStrandNodeXlator; }
    EContentInterfaceID getSourceInterfaceID() override { return kWordTextStrandNode; }
    EContentInterfaceID getDestInterfaceID() override { return kTextStrandNode; }
};

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
    for (bool flag : {p.isBold(), p.isItalic(), p.isOutline(), p.isShadow(), p.isHidden(), p.isProtected(),
                      p.isFlashing(), p.isReverse(), p.isEmbossed(), p.isEngraved(), p.isRevisionAdded(),
                      p.isRevisionDeleted()})
        text += flag ? '1' : '0';
    for (long value : {long(p.getFontSize()), long(p.getPairKerningStart()), long(p.getCaseModifier()),
                       long(p.getScripting()), long(p.getStrikeOut()), long(p.getCharacterWidthAdjustment()),
                       long(p.getBaselineShift()), long(underline.getLineType()), long(underline.getUnderlineMode()),
                       long(foreground.getRed()), long(foreground.getGreen()), long(foreground.getBlue()),
                       long(foreground.getAuto()), long(background.getRed()), long(background.getGreen()),
                       long(background.getBlue()), long(background.getAuto()), long(language.getLanguage()),
                       long(language.getSublanguage())})
        text += ' ' + std::to_string(value);
    text += " font " + font(p.getFontName());
    if (auto* word = dynamic_cast<const CWordStrandProperties*>(&p))
        text += " asian " + font(word->getFontNameAsian()) + " low " + font(word->getFontNameLowRange());
    return text;
}

inline std::vector<INode*> childrenOf(INode* node)
{
    return std::vector<INode*>(node->getFirstChild(), node->getTermChild());
}

inline std::vector<EContentInterfaceID> kindsOf(INode* node)
{
    std::vector<EContentInterfaceID> kinds;
    for (INode* child : childrenOf(node))
        kinds.push_back(child->getContentInterfaceID());
    return kinds;
}

class ChangeHandlerFixture : public ::testing::Test {
protected:
    // `listing` is served by the host stand-in (its text list, data records
    // and change list).
    explicit ChangeHandlerFixture(const std::string& listing = "")
        : document(trxhost::parseListing(listing, "handlers.lst")), hostExport(*document)
    {
        CChunkerList::setHExport(hostExport.handle());
        INodeRegistrar* registrar = factory.getINodeRegistrar();
        registerReaderNodeCreators(*registrar);
        for (int id = kBookmarkBeginCSNode; id <= kIncludedDocumentCSNode; ++id) {
            if (id != kWordTextStrandNode)
                registrar->registerNodeWriterCreator(new KeepingWriterCreator(
                    static_cast<EContentInterfaceID>(id), log, open, id == kTextStrandNode));
        }
        registrar->registerNodeXlatorCreator(new WordStrandXlatorCreator);
    }

    ~ChangeHandlerFixture() override
    {
        if (root)
            root->release();
        for (CFontDefinition* font : fonts)
            font->releaseRef();
    }

    // Builds document, section and paragraph; the paragraph is the cursor.
    void SetUp() override
    {
        root = factory.createNode(kDocumentNode);
        section = factory.createNode(kSectionNode);
        root->attachNode(section);
        current = factory.createNode(kParagraphNode);
        section->attachNode(current);
        INode* fontTable = factory.createNode(kFontDefinitionTableNode);
        documentContent().setFontTable(dynamic_cast<IFontDefinitionTableContent*>(fontTable->getIContent()));
    }

    IDocumentContent& documentContent() { return dynamic_cast<IDocumentContent&>(*root->getIContent()); }

    // Adds a font to the document's font table.
    CFontDefinition* addFont(uint32_t id, const char* name)
    {
        auto* font = new CFontDefinition(id, CCharacterString(name, 0));
        documentContent().getFontTable()->addFont(font);
        fonts.push_back(font);
        return font;
    }

    CWordParagraphNode& paragraph() { return dynamic_cast<CWordParagraphNode&>(*current); }
    IParagraphProperties& paragraphProperties() { return *paragraph().getProperties(); }
    CWordStrandProperties& running() { return *paragraph().getStrandProperties(); }

    // One change through the handler registered for its type.
    void change(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0)
    {
        CChange& handler = changes.getChangeFactory().getChangeHandler(type);
        handler.setChange(type, value1, value2, value3);
        INode* before = current;
        EXPECT_EQ(handler.process(current), 0u);
        EXPECT_EQ(current, before) << "the handler of type " << type << " moved the cursor";
    }

    // Every change of the listing, in order, through the handler table.
    void runListing()
    {
        changes.moveTo1stElement();
        while (changes.getNextElement() == TRXERR_OK)
            ASSERT_EQ(changes.processNextElement(current), 0u);
    }

    std::unique_ptr<trxhost::Document> document;
    trxhost::Export hostExport;
    Log log;
    // While set, the writers of text strands (kinds 41 and 47) release the
    // strands they are told are done, as if they wrote them.
    bool open = false;
    CNodeFactory factory;
    CChangeListProcess changes;
    INode* root = nullptr;
    INode* section = nullptr;
    INode* current = nullptr;
    std::vector<CFontDefinition*> fonts;
};

} // namespace changetest
