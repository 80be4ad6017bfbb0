#include "chunker/WordStrandNodeXlator.h"

#include "chunker/WordStrandProperties.h"
#include "chunker/WordTextStrandNode.h"
#include "model/CharacterSets.h"
#include "model/CharacterString.h"
#include "model/CountedReference.h"
#include "model/FontDefinition.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"

#include <vector>

namespace {

// The script classes of 16-bit characters.
enum class EScript { kNone, kLow, kAsian, kOther };

EScript scriptOf(uint16_t c)
{
    if (c < 0x100)
        return EScript::kLow;
    if ((c >= 0x3000 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xFE30 && c <= 0xFFE7))
        return EScript::kAsian;
    return EScript::kOther;
}

// The three fonts of the split strand, taken before the split sets the
// first piece's font into the strand's properties (which replaces the main
// font there). The main font keeps a reference for the time of the split.
class CScriptFonts {
public:
    explicit CScriptFonts(const CWordStrandProperties& properties)
        : m_main(properties.getFontName()), m_asian(properties.getFontNameAsian()),
          m_lowRange(properties.getFontNameLowRange())
    {
        m_main->addRef();
    }
    ~CScriptFonts() { m_main->releaseRef(); }
    CScriptFonts(const CScriptFonts&) = delete;
    CScriptFonts& operator=(const CScriptFonts&) = delete;

    CFontDefinition* of(EScript script) const
    {
        switch (script) {
        case EScript::kLow:
            return m_lowRange;
        case EScript::kAsian:
            return m_asian;
        default:
            return m_main;
        }
    }

private:
    CFontDefinition* m_main;
    CFontDefinition* m_asian;
    CFontDefinition* m_lowRange;
};

// Appends one piece of the split strand to the strand's parent: the run's
// characters in the strand's character sets, the strand's style, and the
// strand's word properties with the run's font, as a copy or (for the last
// piece) the object itself.
void appendPiece(CWordTextStrandNode& strand, INode& parent, const CScriptFonts& fonts, const CCharacterString& text,
                 const std::vector<uint16_t>& characters, size_t start, size_t end, EScript script, bool last)
{
    CPendingNode piece(strand.getNodeFactory()->createNode(kTextStrandNode));
    ITextStrandContent* content = piece.get()->getIContent()->getTextStrandContent();
    if (content) {
        CCharacterString run;
        run.setString(characters.data() + start, static_cast<uint32_t>(end - start), text.getCharacterSet());
        run.setWideStringDefaultCharacterSet(text.getWideStringDefaultCharacterSet());
        content->setText(run);
        content->setStyle(strand.getStyle());
        CWordStrandProperties* properties = strand.getWordProperties();
        properties->setFontName(fonts.of(script));
        if (last) {
            content->setProperties(properties);
        } else {
            content->setProperties(makeCounted<CWordStrandProperties>(*properties).get());
        }
    }
    parent.attachNode(piece.get());
    piece.take()->done();
}

} // namespace

void CWordStrandNodeXlator::onDone()
{
    CWordTextStrandNode* strand = wordTextStrandOf(getNode());
    if (strand && needsSplit(*strand)) {
        // Releasing the strand destroys this translator: nothing may follow.
        split(*strand);
        return;
    }
    CNodeXlator::onPropertiesDone();
    CNodeXlator::onContentDone();
    // The writer may release the strand, and this translator with it.
    CNodeXlator::onDone();
}

bool CWordStrandNodeXlator::needsSplit(CWordTextStrandNode& strand)
{
    const CWordStrandProperties* properties = strand.getWordProperties();
    if (!properties || !strand.getParentNode() || !strand.getNodeFactory())
        return false;
    const CFontDefinition* main = properties->getFontName();
    const CFontDefinition* asian = properties->getFontNameAsian();
    const CFontDefinition* lowRange = properties->getFontNameLowRange();
    if (!main || !asian || !lowRange)
        return false;
    if (main->getID() == asian->getID() && main->getID() == lowRange->getID())
        return false;
    CCharacterString text;
    return strand.getText(text).getCharacterSet() == kCharSetUnicode;
}

void CWordStrandNodeXlator::split(CWordTextStrandNode& strand)
{
    INode& parent = *strand.getParentNode();
    const CScriptFonts fonts(*strand.getWordProperties());
    CCharacterString text;
    strand.getText(text);
    const uint32_t length = text.getLength();
    std::vector<uint16_t> characters(length);
    for (uint32_t i = 0; i < length; ++i)
        characters[i] = text.getCharacterAt(i);

    if (length == 0) {
        // An empty text is one empty run of the main font.
        appendPiece(strand, parent, fonts, text, characters, 0, 0, EScript::kOther, true);
    } else {
        EScript open = EScript::kNone;
        size_t start = 0;
        for (size_t i = 0; i < length; ++i) {
            const EScript script = scriptOf(characters[i]);
            if (script == open)
                continue;
            if (open != EScript::kNone)
                appendPiece(strand, parent, fonts, text, characters, start, i, open, false);
            open = script;
            start = i;
        }
        appendPiece(strand, parent, fonts, text, characters, start, length, open, true);
    }
    strand.release();
}
