#include "icf/ICFSpecialCharNodeWriters.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParagraphNodeWriter.h"
#include "icf/ICFVocabulary.h"
#include "model/NodeUtilities.h"
#include "model/ParagraphNode.h"
#include "model/ParagraphProperties.h"

namespace {

// The text after a line break continues the paragraph: it is not numbered
// a second time.
void removeNumbering(INode& paragraph)
{
    if (IParagraphProperties* properties =
            requireContent(paragraph.getIContent()->getParagraphContent()).getProperties())
        properties->setParagraphNumbering(nullptr);
}

} // namespace

void CICFSpecialCharNodeWriter::writeContent()
{
    if (m_condition == kSpecialCharWhenOkToWrite && !getNode()->isOkToWrite())
        return;
    CICFCommandWriter().writeNoParamCmd(getICFWriter(), m_command);
}

CICFTabCSNodeWriter::CICFTabCSNodeWriter() : CICFSpecialCharNodeWriter(kCmdTab, kSpecialCharAlways)
{
}

CICFColumnBreakCSNodeWriter::CICFColumnBreakCSNodeWriter()
    : CICFSpecialCharNodeWriter(kCmdColumnBreak, kSpecialCharAlways)
{
}

CICFCurrentPageNumberCSNodeWriter::CICFCurrentPageNumberCSNodeWriter()
    : CICFSpecialCharNodeWriter(kCmdPageNumber, kSpecialCharAlways)
{
}

CICFEndOfParagraphCSNodeWriter::CICFEndOfParagraphCSNodeWriter()
    : CICFSpecialCharNodeWriter(kCmdHardNewline, kSpecialCharAlways)
{
}

CICFHardHyphenCSNodeWriter::CICFHardHyphenCSNodeWriter()
    : CICFSpecialCharNodeWriter(kCmdHardHyphen, kSpecialCharWhenOkToWrite)
{
}

CICFSoftHyphenCSNodeWriter::CICFSoftHyphenCSNodeWriter()
    : CICFSpecialCharNodeWriter(kCmdSoftHyphen, kSpecialCharWhenOkToWrite)
{
}

CICFNonbreakingSpaceCSNodeWriter::CICFNonbreakingSpaceCSNodeWriter()
    : CICFSpecialCharNodeWriter(kCmdNonbreakingSpace, kSpecialCharWhenOkToWrite)
{
}

CICFPageBreakCSNodeWriter::CICFPageBreakCSNodeWriter()
    : CICFSpecialCharNodeWriter(kCmdNewPage, kSpecialCharWhenOkToWrite)
{
}

void CICFNewlineCSNodeWriter::writeContent()
{
    INode* paragraph = CNodeUtilities::findParent(getNode(), kParagraphNode);
    auto* paragraphWriter = paragraph ? dynamic_cast<CICFParagraphNodeWriter*>(paragraph->getNodeWriter()) : nullptr;
    if (paragraphWriter)
        paragraphWriter->writeParagraphPropsEnd();

    CICFCommandWriter command;
    for (const char* name : {kCmdLineBreak, kCmdHardNewline})
        command.writeNoParamCmd(getICFWriter(), name);

    if (!paragraphWriter)
        return;
    removeNumbering(*paragraph);
    paragraphWriter->writeParagraphPropsStart();
}
