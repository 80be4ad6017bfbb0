#include "icf/ICFTextStrandNodeWriter.h"

#include "icf/ICFTextWriter.h"
#include "model/FontDefinition.h"
#include "model/StrandContent.h"

namespace {

constexpr short kSymbolCodePage = 9998;

ITextStrandContent& textStrandOf(INode* node)
{
    return requireContent(node->getIContent()->getTextStrandContent());
}

bool isSymbolFont(const IStrandProperties* properties)
{
    const CFontDefinition* font = properties ? properties->getFontName() : nullptr;
    return font && font->isSymbolFont();
}

} // namespace

void CICFTextStrandNodeWriter::getText(std::list<CCharacterString>& texts)
{
    CCharacterString text;
    texts.push_back(textStrandOf(getNode()).getText(text));
}

void CICFTextStrandNodeWriter::writeContent()
{
    CCharacterString text;
    CICFTextWriter textWriter(kMBCSwitched);
    textWriter.writeText(getICFWriter(), textStrandOf(getNode()).getText(text));
}

void CICFTextStrandNodeWriter::symbolFontTest()
{
    ITextStrandContent& strand = textStrandOf(getNode());
    if (!isSymbolFont(strand.getProperties()))
        return;
    CCharacterString text;
    strand.getText(text);
    text.setCodePage(kSymbolCodePage);
    strand.setText(text);
}

void CICFTextStrandNodeWriter::onDone()
{
    symbolFontTest();
    CICFStrandNodeWriter::onDone();
}
