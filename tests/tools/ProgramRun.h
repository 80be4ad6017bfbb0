// Runs a program to its end and captures what it printed.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
    int status; // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

// Output is captured through files in `scratchDirectory`.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& scratchDirectory);
