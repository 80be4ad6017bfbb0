#include "icf/ICFIndexBookmarkNodeWriters.h"

#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "model/IndexNodes.h"

#include <list>

namespace {

// The level code of "BMT" and "EMT" that marks an index entry.
constexpr unsigned long kIndexMarkCode = 0x20;

CICFNodeWriter* entryWriter(IIndexEntryContent* entry)
{
    return dynamic_cast<CICFNodeWriter*>(entry->getINode()->getNodeWriter());
}

} // namespace

void CICFIndexBookmarkCSNodeWriter::writeContent()
{
    const auto& bookmark = dynamic_cast<IIndexBookmarkCSContent&>(*getNode()->getIContent());
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdMarkOn);
    command.writeParameter(CICFHexParameter(kIndexMarkCode));
    if (bookmark.isVisible()) {
        command.done();
        writeEntries(bookmark);
    } else {
        writeEntryTexts(bookmark, command);
        command.done();
    }
    command.initialize(getICFWriter(), kCmdMarkOff);
    command.writeParameter(CICFHexParameter(kIndexMarkCode));
    command.done();
}

void CICFIndexBookmarkCSNodeWriter::writeEntries(const IIndexBookmarkCSContent& bookmark)
{
    m_writingEntries = true;
    for (IIndexEntryContent* entry : bookmark.getEntryList()) {
        if (CICFNodeWriter* writer = entryWriter(entry))
            writer->write();
    }
    m_writingEntries = false;
}

void CICFIndexBookmarkCSNodeWriter::writeEntryTexts(const IIndexBookmarkCSContent& bookmark, CICFCommandWriter& command)
{
    for (IIndexEntryContent* entry : bookmark.getEntryList()) {
        std::list<CCharacterString> texts;
        if (CICFNodeWriter* writer = entryWriter(entry))
            writer->getText(texts);
        command.writeParameter(CICFStringParameter(texts));
    }
}
