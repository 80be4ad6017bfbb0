#include "chunker/ChunkerReader.h"

#include "chunker/ReaderNodeCreators.h"
#include "chunker/WordParagraphDynXlator.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/DocumentNode.h"
#include "model/FontDefinitionTableNode.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"
#include "model/StyleContent.h"

namespace {

// The source id the document reports: the host's chunker.
constexpr uint32_t kChunkerSourceID = 349;
constexpr uint32_t kChangeParagraphBreak = 0;
constexpr uint32_t kChangeWideStringCharSet = 123;

template <class Content>
Content& contentOf(INode* node)
{
    return dynamic_cast<Content&>(*node->getIContent());
}

// Releases what is left of an unfinished tree when reading stops before the
// document end: a finished document has been released by its writer.
struct UnfinishedTree {
    INode* document = nullptr;
    ~UnfinishedTree()
    {
        try {
            if (document)
                document->release();
        } catch (...) {
            // Teardown after a failure: the failure already carries the code.
        }
    }
};

} // namespace

unsigned CChunkerReader::initialize(IbrStream*, INodeRegistrar* registrar, INodeFactory* factory)
{
    m_factory = factory;
    registerReaderNodeCreators(*registrar);
    return 0;
}

void CChunkerReader::setHExport(uintptr_t hExport)
{
    CChunkerList::setHExport(hExport);
}

void CChunkerReader::setUnhandledChanges(CUnhandledChanges* unhandled)
{
    m_changes.setUnhandledChanges(unhandled);
}

unsigned CChunkerReader::read(EbrToConvert)
{
    m_changes.moveTo1stElement();
    UnfinishedTree tree;
    INode* paragraph = buildTopOfTree(tree.document);
    if (processChanges(paragraph))
        tree.document = nullptr;
    return 0;
}

INode* CChunkerReader::buildTopOfTree(INode*& document)
{
    // The section and paragraph join the tree at once, so that a failure
    // while the fonts load leaves one tree to release.
    document = m_factory->createNode(kDocumentNode);
    CPendingNode newSection(m_factory->createNode(kSectionNode));
    document->attachNode(newSection.get());
    INode* section = newSection.take();
    CPendingNode newParagraph(m_factory->createNode(kParagraphNode));
    new CWordParagraphDynXlator(newParagraph.get());
    section->attachNode(newParagraph.get());
    INode* paragraph = newParagraph.take();

    auto& documentContent = contentOf<IDocumentContent>(document);
    INode* fontTable = m_factory->createNode(kFontDefinitionTableNode);
    documentContent.setFontTable(&contentOf<IFontDefinitionTableContent>(fontTable));
    auto& wordParagraph = dynamic_cast<CWordParagraphNode&>(*paragraph);
    wordParagraph.setWideStringDefaultCharacterSet(scanWideStringDefault());
    loadFonts(*document, wordParagraph.getWideStringDefaultCharacterSet());

    if (ISectionProperties* properties = contentOf<ISectionContent>(section).getProperties())
        properties->setSectionStartOn(kSectionStartContinuous);
    INode* styleTable = m_factory->createNode(kStyleTableNode);
    documentContent.setStyleTable(&contentOf<IStyleTableContent>(styleTable));
    documentContent.setSourceID(kChunkerSourceID);
    return paragraph;
}

uint32_t CChunkerReader::scanWideStringDefault()
{
    while (m_changes.getNextElement() == TRXERR_OK) {
        const uint32_t type = m_changes.getChangeType();
        if (type == kChangeParagraphBreak)
            break;
        if (type == kChangeWideStringCharSet)
            return m_changes.getValue1();
    }
    return 0;
}

void CChunkerReader::loadFonts(INode& document, uint32_t defaultCharSet)
{
    auto* fontTable = contentOf<IDocumentContent>(&document).getFontTable();
    m_fonts.moveTo1stElement();
    while (m_fonts.getNextElement() == TRXERR_OK)
        m_fonts.processNextElement(*fontTable, defaultCharSet);
}

bool CChunkerReader::processChanges(INode* current)
{
    m_changes.moveTo1stElement();
    TRXERR code;
    bool documentEnded = false;
    while ((code = m_changes.getNextElement()) == TRXERR_OK) {
        code = static_cast<TRXERR>(m_changes.processNextElement(current));
        if (code != TRXERR_OK) {
            documentEnded = code == TRXERR_NOITEM;
            break;
        }
    }
    if (code != TRXERR_NOITEM)
        throw ExChunkerFailed("REQUIRE_1: locErr == TRXERR_NOITEM\n\tFile: ChReader  ln(237)",
                              static_cast<uint32_t>(code));
    return documentEnded;
}
