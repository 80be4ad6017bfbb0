#include "icf/ICFGeneratedTextNodeWriters.h"

#include "icf/ICFVocabulary.h"

void CICFGeneratedTextBeginWriter::writeContent()
{
    CICFCommandWriter::writeDecimalCmd(getICFWriter(), kCmdGeneratedTextOn, {m_kind});
}

void CICFGeneratedTextEndWriter::writeContent()
{
    CICFCommandWriter command;
    command.writeNoParamCmd(getICFWriter(), kCmdGeneratedTextOff);
}
