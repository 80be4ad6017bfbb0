// Splits a finished reader text strand by script so that each piece carries
// the font meant for its characters: characters below 0x100 the low-range
// font, CJK and Hangul the Asian font, anything else the main font.
#pragma once

#include "model/NodeXlator.h"

class CWordTextStrandNode;

class CWordStrandNodeXlator : public CNodeXlator {
public:
    // Held back: a strand is passed on, or replaced by its pieces, as a
    // whole when it is done.
    void onPropertiesDone() override {}
    void onContentDone() override {}
    // A strand that needs no split is passed on unchanged (properties done,
    // content done, done) every time it is done or re-notified, since only a
    // later pass may find it writable. A strand that needs one is replaced
    // by plain text strands appended to its parent and is released, which
    // also ends this translator.
    void onDone() override;

private:
    static bool needsSplit(CWordTextStrandNode& strand);
    static void split(CWordTextStrandNode& strand);
};
