// The writer of a text strand: the strand's formatting around its text.
// Text in the symbol font is marked with the symbol code page, so that every
// byte of it is written as an extended character.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

class CICFTextStrandNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTextStrandNode;

    // The strand's own text, as one string.
    void getText(std::list<CCharacterString>& texts) override;
    // The text, double-byte runs switched in and out of "MBC" mode.
    void writeContent() override;
    // Marks the text of a strand in the "Symbol" font (in any case) with the
    // symbol code page.
    void symbolFontTest();
    void onDone() override;
};
