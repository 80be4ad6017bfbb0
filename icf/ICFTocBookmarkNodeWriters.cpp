#include "icf/ICFTocBookmarkNodeWriters.h"

#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/BookmarkNodes.h"

#include <algorithm>
#include <utility>

namespace {

// Deeper levels of a table of contents share the code of the deepest one
// the output knows.
constexpr uint32_t kDeepestLevel = 32;

// The level code of a TOC entry at `level`.
uint32_t levelCode(uint32_t level, uint32_t offset)
{
    return level == 0 ? offset : std::min(level, kDeepestLevel) - 1 + offset;
}

// A hidden bookmark's end: command output comes back on and the begin's
// open "BMT" gets an empty last parameter and its end.
void completeHiddenBookmark(CICFBookmarkLevelInfo& info)
{
    if (info.isVisible())
        return;
    CICFCommandWriter::enable();
    if (CICFCommandWriter* command = info.getCmdWriter()) {
        command->writeParameter(CICFNullParameter());
        command->done();
    }
    info.releaseCmdWriter();
}

} // namespace

void CICFBMTBegin::writeBMT(CICFWriter* writer, const IBookmarkBeginCSContent& bookmark, uint32_t level,
                            uint32_t offset)
{
    if (!writer)
        return;
    CICFBookmarkLevelMap& levels = writer->getBookmarkLevelNameMap();
    CCharacterString name;
    bookmark.getName(name);
    // A second begin of the same name replaces the first, which is completed
    // first so that output is not left switched off.
    auto found = levels.find(name);
    if (found != levels.end())
        completeHiddenBookmark(found->second);

    CICFBookmarkLevelInfo info;
    info.setLevel(levelCode(level, offset));
    info.setVisible(bookmark.isVisible());
    auto command = std::make_unique<CICFCommandWriter>();
    command->initialize(writer, kCmdMarkOn);
    command->writeParameter(CICFHexParameter(info.getLevel()));
    if (info.isVisible()) {
        command->done();
    } else {
        CICFCommandWriter::disable();
        info.setCmdWriter(std::move(command));
    }
    levels[name] = std::move(info);
}

void CICFBMTEnd::writeBMT(CICFWriter* writer, const IBookmarkEndCSContent& bookmark)
{
    if (!writer)
        return;
    CICFBookmarkLevelMap& levels = writer->getBookmarkLevelNameMap();
    CCharacterString name;
    auto found = levels.find(bookmark.getName(name));
    if (found == levels.end())
        return;
    CICFBookmarkLevelInfo info = std::move(found->second);
    levels.erase(found);
    completeHiddenBookmark(info);

    CICFCommandWriter command;
    command.initialize(writer, kCmdMarkOff);
    command.writeParameter(CICFHexParameter(info.getLevel()));
    command.done();
}

void CICFTocBookmarkBeginCSNodeWriter::writeContent()
{
    const auto& bookmark = dynamic_cast<ITOCBookmarkBeginCSContent&>(*getNode()->getIContent());
    m_bmt.writeBMT(getICFWriter(), bookmark, bookmark.getLevel(), 0);
}

void CICFTocBookmarkEndCSNodeWriter::writeContent()
{
    m_bmt.writeBMT(getICFWriter(), dynamic_cast<IBookmarkEndCSContent&>(*getNode()->getIContent()));
}
