#include "icf/ICFStyleNodeWriters.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParagraphPropertiesWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"

namespace {

constexpr uint32_t kParagraphStyleKind = 0;
constexpr uint32_t kStrandStyleKind = 1;

} // namespace

bool CICFStyleNodeWriter::kindCodeOf(EStyleTypes type, uint32_t& kind)
{
    switch (type) {
    case kParagraphStyle:
        kind = kParagraphStyleKind;
        return true;
    case kStrandStyle:
        kind = kStrandStyleKind;
        return true;
    default:
        return false;
    }
}

void CICFStyleNodeWriter::writeStyleOn()
{
    writeStyleSwitch(kCmdStyleOn, kPropertiesStyleOn);
}

void CICFStyleNodeWriter::writeStyleOff()
{
    writeStyleSwitch(kCmdStyleOff, kPropertiesStyleOff);
}

IStyleContent& CICFStyleNodeWriter::getStyle()
{
    return dynamic_cast<IStyleContent&>(*getNode()->getIContent());
}

void CICFStyleNodeWriter::writeBasedOn(const IStyleContent* base)
{
    if (!base)
        return;
    CCharacterString name;
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdStyleBasedOn);
    command.writeParameter(CICFStringParameter(base->getName(name)));
    command.writeParameter(CICFDecimalParameter(base->getID()));
    command.done();
}

void CICFStyleNodeWriter::writeStrandProperties(IStrandProperties* properties, IStrandProperties* baseProperties,
                                                EStrandPropertiesTarget target, EPropertiesState state)
{
    CICFWriter* writer = getICFWriter();
    if (!properties || !writer)
        return;
    CICFStrandPropertiesWriter* propertiesWriter = writer->getStrandPropertiesWriter();
    if (target == kStrandPropertiesTargetParagraphStyle)
        propertiesWriter->setParagraphStyleProperties(properties);
    else
        propertiesWriter->setStrandStyleProperties(properties);
    propertiesWriter->setPropertiesTarget(target);
    propertiesWriter->setStyleBaseProperties(baseProperties);
    propertiesWriter->writeProperties(writer, state);
}

void CICFStyleNodeWriter::writeStyleSwitch(const char* commandName, EPropertiesState state)
{
    IStyleContent& style = getStyle();
    uint32_t kind = 0;
    if (style.getType() != m_writtenType || !kindCodeOf(style.getType(), kind))
        return;
    CCharacterString name;
    CICFCommandWriter command;
    command.initialize(getICFWriter(), commandName);
    command.writeParameter(CICFStringParameter(style.getName(name)));
    command.writeParameter(CICFDecimalParameter(style.getID()));
    command.writeParameter(CICFDecimalParameter(kind));
    command.done();
    writeProperties(state);
    command.writeNoParamCmd(kCmdStyleSwitchEnd);
}

void CICFParagraphStyleNodeWriter::writeProperties(EPropertiesState state)
{
    const auto& style = dynamic_cast<IParagraphStyleContent&>(getStyle());
    const IParagraphStyleContent* base = style.getBasedOnStyle();
    writeBasedOn(base);
    if (IParagraphProperties* properties = style.getParagraphProperties()) {
        CICFParagraphPropertiesWriter paragraphWriter;
        paragraphWriter.setBaseProperties(base ? base->getParagraphProperties() : nullptr);
        paragraphWriter.writeProperties(getICFWriter(), properties, nullptr, state);
    }
    writeStrandProperties(style.getStrandProperties(), base ? base->getStrandProperties() : nullptr,
                          kStrandPropertiesTargetParagraphStyle, state);
}

void CICFStrandStyleNodeWriter::writeProperties(EPropertiesState state)
{
    const auto& style = dynamic_cast<IStrandStyleContent&>(getStyle());
    const IStrandStyleContent* base = style.getBasedOnStyle();
    writeBasedOn(base);
    writeStrandProperties(style.getProperties(), base ? base->getProperties() : nullptr,
                          kStrandPropertiesTargetStrandStyle, state);
}
