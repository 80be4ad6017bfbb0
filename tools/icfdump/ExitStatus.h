// The exit statuses of icfdump; --help and the README list them.
#pragma once

namespace icfdump {

enum class ExitStatus : int {
    Ok = 0,          // the input is well-formed ICF
    Usage = 1,       // the command line is wrong
    Unreadable = 2,  // the input cannot be read, or not held in memory
    SyntaxFault = 3, // the input has a syntax fault; the listing stops there (or: a malformed listing to assemble)
    Unwritable = 4,  // standard output could not be written
};

} // namespace icfdump
