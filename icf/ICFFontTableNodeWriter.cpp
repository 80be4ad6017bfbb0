#include "icf/ICFFontTableNodeWriter.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "model/FontDefinition.h"
#include "model/FontDefinitionTableNode.h"

namespace {

// The fixed parameters after the font count, and the one closing each font.
constexpr unsigned long kFontTableFieldsPerFont = 3;
constexpr unsigned long kFontTableReserved = 0;
constexpr unsigned long kFontReserved = 0;

} // namespace

void CICFFontTableNodeWriter::write()
{
    const auto& fonts = dynamic_cast<IFontDefinitionTableContent&>(*getNode()->getIContent()).getFontList();
    if (fonts.empty())
        return;
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdFontTable);
    command.writeParameter(CICFDecimalParameter(fonts.size()));
    command.writeParameter(CICFDecimalParameter(kFontTableFieldsPerFont));
    command.writeParameter(CICFDecimalParameter(kFontTableReserved));
    for (const CFontDefinition* font : fonts) {
        CCharacterString name;
        command.writeParameter(CICFDecimalParameter(font->getID()));
        command.writeParameter(CICFStringParameter(font->getName(name)));
        command.writeParameter(CICFDecimalParameter(kFontReserved));
    }
    command.done();
}
