#include "icf/ICFStrandNodeWriter.h"

#include "icf/ICFStyleNodeWriters.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/StrandContent.h"
#include "model/StyleContent.h"

namespace {

CICFStyleNodeWriter* styleWriterOf(IStrandStyleContent* style)
{
    if (!style)
        return nullptr;
    return dynamic_cast<CICFStyleNodeWriter*>(style->getINode()->getNodeWriter());
}

} // namespace

void CICFStrandNodeWriter::write()
{
    writeStrandStart();
    writeContent();
    writeStrandEnd();
}

void CICFStrandNodeWriter::onDone()
{
    INode* node = getNode();
    if (!node->isOkToWrite())
        return;
    write();
    node->release();
}

void CICFStrandNodeWriter::writeStrandStart()
{
    const IStrandContent& strand = requireContent(getNode()->getIContent()->getStrandContent());
    setProperties(strand.getProperties());
    setStyle(strand.getStyle());
    writeStyleOn();
    writeProperties(kPropertiesStrandStart);
    if (getProperties() && getProperties()->isRevisionDeleted()) {
        m_deletedTextOpen = true;
        m_deletedText.initialize(getICFWriter(), kCmdDeletedText);
    }
}

void CICFStrandNodeWriter::writeStrandEnd()
{
    if (m_deletedTextOpen) {
        m_deletedText.done();
        m_deletedTextOpen = false;
    }
    writeProperties(kPropertiesStrandEnd);
    writeStyleOff();
}

void CICFStrandNodeWriter::writeProperties(EPropertiesState state)
{
    CICFWriter* writer = getICFWriter();
    if (!getProperties() || !writer)
        return;
    CICFStrandPropertiesWriter* propertiesWriter = writer->getStrandPropertiesWriter();
    propertiesWriter->setStrandProperties(getProperties());
    propertiesWriter->setPropertiesTarget(kStrandPropertiesTargetStrand);
    propertiesWriter->writeProperties(writer, state);
}

void CICFStrandNodeWriter::writeStyleOn()
{
    if (CICFStyleNodeWriter* styleWriter = styleWriterOf(m_style))
        styleWriter->writeStyleOn();
}

void CICFStrandNodeWriter::writeStyleOff()
{
    if (CICFStyleNodeWriter* styleWriter = styleWriterOf(m_style))
        styleWriter->writeStyleOff();
}
