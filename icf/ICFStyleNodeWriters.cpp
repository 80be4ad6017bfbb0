#include "icf/ICFStyleNodeWriters.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"

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

void CICFParagraphStyleNodeWriter::writeProperties(EPropertiesState)
{
    writeBasedOn(dynamic_cast<IParagraphStyleContent&>(getStyle()).getBasedOnStyle());
    // The paragraph and strand properties writers add the style's properties here.
}

void CICFStrandStyleNodeWriter::writeProperties(EPropertiesState)
{
    writeBasedOn(dynamic_cast<IStrandStyleContent&>(getStyle()).getBasedOnStyle());
    // The strand properties writer adds the style's properties here.
}
