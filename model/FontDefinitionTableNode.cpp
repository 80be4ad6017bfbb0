#include "model/FontDefinitionTableNode.h"

#include "model/CharacterString.h"
#include "model/FontDefinition.h"

#include <algorithm>

CFontDefinitionTableNode::~CFontDefinitionTableNode()
{
    for (CFontDefinition* font : m_fonts)
        font->releaseRef();
}

void CFontDefinitionTableNode::addFont(CFontDefinition* font)
{
    if (!font)
        return;
    // Counted once the table holds it, so that a failure to grow the table
    // leaves the count as it was.
    m_fonts.push_back(font);
    font->addRef();
}

void CFontDefinitionTableNode::removeFont(CFontDefinition* font)
{
    auto it = std::find(m_fonts.begin(), m_fonts.end(), font);
    if (it == m_fonts.end())
        return;
    m_fonts.erase(it);
    font->releaseRef();
}

CFontDefinition* CFontDefinitionTableNode::findFont(const CCharacterString& name) const
{
    CCharacterString fontName;
    for (CFontDefinition* font : m_fonts) {
        if (font->getName(fontName) == name)
            return font;
    }
    return nullptr;
}

CFontDefinition* CFontDefinitionTableNode::findFont(uint32_t id) const
{
    for (CFontDefinition* font : m_fonts) {
        if (font->getID() == id)
            return font;
    }
    return nullptr;
}
