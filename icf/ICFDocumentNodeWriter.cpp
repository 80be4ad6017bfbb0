#include "icf/ICFDocumentNodeWriter.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "model/DocumentNode.h"
#include "model/DocumentSummary.h"
#include "model/FontDefinitionTableNode.h"
#include "model/StyleContent.h"

namespace {

// The fixed parameters of "DID" after the source id.
constexpr unsigned long kDocumentIdVersion = 1;
constexpr unsigned long kDocumentIdFlags = 0;
constexpr unsigned long kDocumentIdLevel = 4;

} // namespace

void CICFDocumentNodeWriter::onPropertiesDone()
{
    IDocumentContent& document = getDocument();
    writeDID();
    writeTable(document.getDocumentSummaryTable());
    writeTable(document.getFontTable());
    writeTable(document.getStyleTable());
    renotifyCompletedChildren();
}

bool CICFDocumentNodeWriter::canChildWrite(INode*)
{
    return getNode()->arePropertiesDone();
}

IDocumentContent& CICFDocumentNodeWriter::getDocument()
{
    return dynamic_cast<IDocumentContent&>(*getNode()->getIContent());
}

void CICFDocumentNodeWriter::writeDID()
{
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdDocumentId);
    command.writeParameter(CICFDecimalParameter(getDocument().getSourceID()));
    command.writeParameter(CICFDecimalParameter(kDocumentIdVersion));
    command.writeParameter(CICFHexParameter(kDocumentIdFlags, kHexSizeDoubleWord));
    command.writeParameter(CICFDecimalParameter(kDocumentIdLevel));
    command.done();
}

void CICFDocumentNodeWriter::writeTable(IContent* table)
{
    if (!table)
        return;
    if (auto* writer = dynamic_cast<CICFNodeWriter*>(table->getINode()->getNodeWriter()))
        writer->write();
}
