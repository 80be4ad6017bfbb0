// Runs a program to its end and captures what it printed.
#pragma once

#include <sys/types.h>

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
// Standard input is `standardInput`; standard output is captured unless
// `standardOutput` names where it goes.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& scratchDirectory, const std::vector<std::string>& environment = {},
                      const std::string& standardInput = "/dev/null", const std::string& standardOutput = {});

// runProgram in two halves, for a test that acts on the program while it
// runs: startProgram returns its process id, finishProgram waits for it.
pid_t startProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& scratchDirectory, const std::vector<std::string>& environment = {},
                   const std::string& standardInput = "/dev/null", const std::string& standardOutput = {});
ProgramRun finishProgram(pid_t child, const std::string& scratchDirectory);
