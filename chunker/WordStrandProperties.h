// The reader's character properties: the model's strand properties plus the
// two extra fonts the host gives for Asian and for low-range characters, so
// that a strand can later be split by script with the right font per piece.
#pragma once

#include "model/StrandProperties.h"

class CWordStrandProperties : public CStrandProperties {
public:
    CWordStrandProperties() = default;
    CWordStrandProperties(const CWordStrandProperties& other) = default;
    CWordStrandProperties& operator=(const CWordStrandProperties& other) = default;
    ~CWordStrandProperties() override = default;

    // The fonts belong to the document's font list, which outlives every
    // properties object: the slots do not take references.
    void setFontNameAsian(CFontDefinition* font) { m_fontAsian = font; }
    CFontDefinition* getFontNameAsian() const { return m_fontAsian; }
    void setFontNameLowRange(CFontDefinition* font) { m_fontLowRange = font; }
    CFontDefinition* getFontNameLowRange() const { return m_fontLowRange; }

    // A copy that keeps both extra font slots.
    IStrandProperties* clone() const override { return new CWordStrandProperties(*this); }

private:
    CFontDefinition* m_fontAsian = nullptr;
    CFontDefinition* m_fontLowRange = nullptr;
};
