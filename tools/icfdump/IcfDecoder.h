// Splits an ICF byte stream into text runs and commands, with their
// parameters and nested commands, and finds the first syntax fault.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace icfdump {

// The bytes that give ICF its structure.
constexpr char kEscape = 0x1B;
constexpr char kGroupSeparator = 0x1D; // follows kEscape in a command introducer
constexpr char kCommandTerminator = 0x1E;
constexpr char kParameterTerminator = 0x1F;
constexpr size_t kCommandNameLength = 3;

struct Item;
using Sequence = std::vector<Item>;

// A stretch of a command: one parameter, or what stands between the last
// parameter terminator and the command terminator (the body).
struct Segment {
    size_t offset = 0; // of the segment's first byte
    Sequence items;
};

// A text run or a command. Adjacent text bytes always form one run.
struct Item {
    enum class Kind { Text, Command };
    Kind kind = Kind::Text;
    size_t offset = 0;               // of the run's first byte, or of the introducer
    std::string text;                // Text: the bytes; Command: the name
    std::vector<Segment> parameters; // Command only, in order
    Segment body;                    // Command only; empty when nothing follows the last parameter
};

enum class FaultKind {
    NestedCommandNotAllowed, // an introducer where no command may start
    Unterminated,            // the input ends inside a command
    StrayTerminator,         // 0x1E or 0x1F outside any command
    BrokenIntroducer,        // 0x1B not followed by 0x1D
    ShortName,               // a terminator inside a command name
    TooDeep,                 // commands nested beyond kMaxNestingDepth
};

struct Fault {
    FaultKind kind;
    size_t offset;
    std::string message; // what is wrong, without the offset
};

// What the decoder found: everything before the first fault, and the fault.
struct IcfStream {
    Sequence items;
    std::optional<Fault> fault;
};

// Real ICF nests a few commands deep (a style inside its definition command,
// an escape inside a string parameter); anything deeper than this is a stream
// whose terminators are missing, and the bound keeps the recursive listing of
// damaged input within the stack.
constexpr size_t kMaxNestingDepth = 64;

// Never throws except for running out of memory.
IcfStream decodeIcf(std::string_view bytes);

// "offset N: message".
std::string describeFault(const Fault& fault);

} // namespace icfdump
