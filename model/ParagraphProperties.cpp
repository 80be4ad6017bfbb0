#include "model/ParagraphProperties.h"

#include "model/EndOfParagraphCSNode.h"
#include "model/NumberingLevelDefinition.h"

namespace {

void releaseMarker(IEndOfParagraphCSContent* marker)
{
    if (marker)
        marker->getINode()->release();
}

} // namespace

CParagraphProperties::CParagraphProperties(const CParagraphProperties& other)
    : IReferenceTracking(), IParagraphProperties(), CReferenceTracking(other), m_values(other.m_values)
{
    m_tabs.reset(other.m_tabs.get());
    m_numbering.reset(other.m_numbering.get());
}

CParagraphProperties::~CParagraphProperties()
{
    releaseMarker(m_endMarker);
}

void CParagraphProperties::setParagraphNumbering(CParagraphNumbering* numbering)
{
    m_numbering.reset(numbering);
    CNumberingLevelDefinition* definition = numbering ? numbering->getNumberingLevelDefinition() : nullptr;
    if (definition && definition->getIndents())
        m_values.indents = *definition->getIndents();
}

IParagraphProperties* CParagraphProperties::clone() const
{
    return new CParagraphProperties(*this);
}

void CParagraphProperties::setEndMarker(IEndOfParagraphCSContent* marker)
{
    if (marker == m_endMarker)
        return;
    releaseMarker(m_endMarker);
    m_endMarker = marker;
}
