#include "icf/ICFParagraphNodeWriter.h"

#include "icf/ICFParagraphPropertiesWriter.h"
#include "icf/ICFStrandPropertiesWriter.h"
#include "icf/ICFStyleNodeWriters.h"
#include "icf/ICFWriter.h"
#include "model/EndOfParagraphCSNode.h"
#include "model/ParagraphNode.h"
#include "model/StyleContent.h"

namespace {

bool answer(void* found, void** out)
{
    *out = found;
    return found != nullptr;
}

} // namespace

bool CICFParagraphNodeWriter::queryInterface(int32_t id, void** out)
{
    if (!out)
        return false;
    switch (id) {
    case kICFParagraphContentInterface:
        return answer(&getParagraph(), out);
    case kICFParagraphPropertiesInterface:
        return answer(getParagraph().getProperties(), out);
    default:
        return CICFContainerNodeWriter::queryInterface(id, out);
    }
}

void CICFParagraphNodeWriter::writeParagraphPropsStart()
{
    if (CICFWriter* writer = getICFWriter())
        writer->getStrandPropertiesWriter()->reset();
    if (CICFStyleNodeWriter* style = getStyleWriter())
        style->writeStyleOn();
    writeProperties(kPropertiesStrandStart);
}

void CICFParagraphNodeWriter::writeParagraphPropsEnd()
{
    writeProperties(kPropertiesStrandEnd);
    if (CICFStyleNodeWriter* style = getStyleWriter())
        style->writeStyleOff();
}

void CICFParagraphNodeWriter::writeHNL()
{
    IParagraphProperties* properties = getParagraph().getProperties();
    IEndOfParagraphCSContent* marker = properties ? properties->getEndMarker() : nullptr;
    if (!marker)
        return;
    if (INodeWriter* writer = marker->getINode()->getNodeWriter())
        writer->write();
}

void CICFParagraphNodeWriter::writeEndCommands()
{
    writeHNL();
    writeParagraphPropsEnd();
}

IParagraphContent& CICFParagraphNodeWriter::getParagraph()
{
    return requireContent(getNode()->getIContent()->getParagraphContent());
}

CICFStyleNodeWriter* CICFParagraphNodeWriter::getStyleWriter()
{
    IParagraphStyleContent* style = getParagraph().getStyle();
    return style ? dynamic_cast<CICFStyleNodeWriter*>(style->getINode()->getNodeWriter()) : nullptr;
}

void CICFParagraphNodeWriter::writeProperties(EPropertiesState state)
{
    IParagraphProperties* properties = getParagraph().getProperties();
    if (!properties)
        return;
    IParagraphStyleContent* style = getParagraph().getStyle();
    CICFParagraphPropertiesWriter writer;
    writer.setBaseProperties(style ? style->getParagraphProperties() : nullptr);
    writer.writeProperties(getICFWriter(), properties, getNode(), state);
}
