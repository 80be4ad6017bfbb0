// The commands that change the formatting in force: character properties,
// paragraph properties and the page layout. Each function applies one
// command to the format it is given and tells whether the command was its own.
#pragma once

#include "CommandView.h"
#include "PreviewDocument.h"

namespace icfdump::preview {

enum class Outcome {
    NotMine,   // the command is not one of the function's
    Applied,   // the format now shows what the command says
    Malformed, // one of the function's, but its parameters are not as a writer puts them
};

Outcome applyCharacterCommand(const CommandView& command, CharacterFormat& format);
Outcome applyParagraphCommand(const CommandView& command, ParagraphFormat& format);
Outcome applyPageCommand(const CommandView& command, PageLayout& layout);

// "SHD" and "PBC" name what they apply to in a parameter: the "client".
constexpr long kStrandShading = 0;    // "SHD" of a strand
constexpr long kParagraphShading = 1; // "SHD" of a paragraph
constexpr long kCellShading = 3;      // "SHD" of a table cell
constexpr long kParagraphBorders = 0; // "PBC" of a paragraph
constexpr long kPageBorders = 1;      // "PBC" of the page
constexpr long kStrandBorders = 2;    // "PBC" of a strand

// The client of a "SHD" (parameter 1) or "PBC" (parameter 2) command.
std::optional<long> boxClient(const CommandView& command);
// A "SHD" command's fill: null for shading switched off.
std::optional<Shading> readShading(const CommandView& command);
// A "PBC" command's lines (null when its parameters are malformed).
std::optional<Borders> readBorders(const CommandView& command);
// Four line codes packed as the "PBC" and "BRO" border words hold them.
Borders bordersFromCode(unsigned long code);
// A four-bit colour code: red 4, green 2, blue 1, bright 8.
Rgb colourFromCode(unsigned long code);

} // namespace icfdump::preview
