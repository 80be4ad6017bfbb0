// Cuts a sequence of items into the pieces a listing shows one per line:
// texts and commands.
#pragma once

#include "CodePages.h"
#include "IcfDecoder.h"

#include <string>
#include <vector>

namespace icfdump {

struct Piece {
    size_t offset = 0;
    const Item* command = nullptr; // null for a text
    std::string text;              // a text's quoted form
    std::string characters;        // a text's characters in UTF-8 (DisplayText::plain)
};

// Raw: every text run is one piece, shown byte for byte, and every command
// is one piece. Decoded: every stretch of text runs and text escapes ("HEX",
// "XCS" with the "_" placeholder after it, "MBC" and the hexadecimal digits
// it brackets or switches on) is one piece, shown as characters; an escape
// whose parameters are not what the writer puts stays a command.
class TextDecoder {
public:
    explicit TextDecoder(bool decode) : decode_(decode) {}

    std::vector<Piece> pieces(const Sequence& items);

private:
    bool decode_;
    CodePages codePages_;
};

} // namespace icfdump
