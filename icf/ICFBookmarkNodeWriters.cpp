#include "icf/ICFBookmarkNodeWriters.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "model/BookmarkNodes.h"

namespace {

// The first parameter of "XRF" for the two ends of a bookmark.
constexpr unsigned long kBookmarkStart = 1;
constexpr unsigned long kBookmarkFinish = 2;

// "XRF" naming the bookmark of `node`, whose content is of class Content;
// nothing until the node may be written.
template <class Content>
void writeBookmark(CICFWriter* writer, INode* node, unsigned long which)
{
    const auto* bookmark = dynamic_cast<Content*>(node->getIContent());
    if (!bookmark || !node->isOkToWrite())
        return;
    CCharacterString name;
    CICFCommandWriter command;
    command.initialize(writer, kCmdCrossReference);
    command.writeParameter(CICFHexParameter(which));
    command.writeParameter(CICFDecimalParameter(0));
    command.writeParameter(CICFStringParameter(bookmark->getName(name)));
    command.writeParameter(CICFNullParameter());
    command.done();
}

} // namespace

void CICFBookmarkBeginCSNodeWriter::writeContent()
{
    writeBookmark<IBookmarkBeginCSContent>(getICFWriter(), getNode(), kBookmarkStart);
}

void CICFBookmarkEndCSNodeWriter::writeContent()
{
    writeBookmark<IBookmarkEndCSContent>(getICFWriter(), getNode(), kBookmarkFinish);
}
