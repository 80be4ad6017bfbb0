// Runs a program to its end and captures what it printed.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
    int status; // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

// Output is captured through files in `scratchDirectory`. The program gets
// this process's environment with the "NAME=VALUE" entries of `environment`
// added or replaced.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& scratchDirectory, const std::vector<std::string>& environment = {});
