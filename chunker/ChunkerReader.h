// The chunker reader: builds the document tree from the host's item lists.
// It sets up the fixed top of the tree, loads the fonts and hands every
// change record, in list order, to the handler registered for its type.
#pragma once

#include "chunker/ChangeList.h"
#include "chunker/FontList.h"
#include "core/Reader.h"

class INode;

class CChunkerReader : public CReader, public IbrChunkerReaderOptions {
public:
    unsigned initialize(IbrStream* stream, INodeRegistrar* registrar, INodeFactory* factory) override;
    unsigned read(EbrToConvert toConvert) override;
    IbrReaderOptions* getOptions() override { return this; }
    bool isStreamRecognized(IbrStream*) override { return false; }
    void setHExport(uintptr_t hExport) override;
    void setUnhandledChanges(CUnhandledChanges* unhandled) override;

private:
    // The document, its first section and paragraph, the font and style
    // tables; returns the paragraph, the first cursor.
    INode* buildTopOfTree(INode*& document);
    // The character set that wide strings default to: value 1 of the first
    // change 123 before the first change 0, else 0.
    uint32_t scanWideStringDefault();
    void loadFonts(INode& document, uint32_t defaultCharSet);
    // Feeds every change to its handler; true when a handler ended the
    // document, false when the host's list ran out first.
    bool processChanges(INode* current);

    INodeFactory* m_factory = nullptr;
    CChangeListProcess m_changes;
    CFontList m_fonts;
};
