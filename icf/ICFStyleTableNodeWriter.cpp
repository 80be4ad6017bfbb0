#include "icf/ICFStyleTableNodeWriter.h"

#include "core/Exceptions.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFStyleNodeWriters.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/StyleContent.h"

void CICFStyleTableNodeWriter::write()
{
    if (!getNode())
        throw ExLocal("REQUIRE: pNode != NULL\n\tFile: WICFStyT  ln(72)", 0);
    const auto& table = dynamic_cast<IStyleTableContent&>(*getNode()->getIContent());
    for (IStyleContent* style : table.getStyles()) {
        uint32_t kind = 0;
        if (CICFStyleNodeWriter::kindCodeOf(style->getType(), kind))
            writeDefinition(*style, kind);
    }
}

void CICFStyleTableNodeWriter::writeDefinition(IStyleContent& style, uint32_t kind)
{
    auto* styleWriter = dynamic_cast<CICFStyleNodeWriter*>(style.getINode()->getNodeWriter());
    CCharacterString name;
    CICFCommandWriter definition;
    definition.initialize(getICFWriter(), kCmdStyleDefinition);
    definition.writeParameter(CICFStringParameter(style.getName(name)));
    definition.writeParameter(CICFDecimalParameter(style.getID()));

    // Without an output there is no open command to nest in.
    if (CICFCommandWriter* nested = definition.nestICFCommandWriter()) {
        nested->restart(kCmdStyleKind);
        nested->writeParameter(CICFDecimalParameter(kind));
        nested->done();
        if (styleWriter)
            styleWriter->writeProperties(kPropertiesStyleOn);
        nested->writeNoParamCmd(kCmdStyleDefinitionEnd);
        definition.releaseNestedICFCommandWriter();
    }

    if (styleWriter)
        styleWriter->writeProperties(kPropertiesStyleOff);
    definition.done();
    // Neither the toggles nor the properties of a definition may carry into
    // the document text.
    if (CICFWriter* writer = getICFWriter())
        writer->getStrandPropertiesWriter()->reset();
}
