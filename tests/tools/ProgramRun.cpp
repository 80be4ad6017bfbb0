#include "ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int waitFor(pid_t child)
{
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        throw std::runtime_error("waitpid failed");
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// This process's environment without the variables that `changes` sets,
// followed by `changes`.
std::vector<char*> environmentWith(const std::vector<std::string>& changes)
{
    std::vector<char*> entries;
    for (char** entry = environ; *entry; ++entry) {
        const std::string current(*entry);
        bool replaced = false;
        for (const std::string& change : changes) {
            const std::string prefix = change.substr(0, change.find('=') + 1);
            replaced = replaced || (!prefix.empty() && current.rfind(prefix, 0) == 0);
        }
        if (!replaced)
            entries.push_back(*entry);
    }
    for (const std::string& change : changes)
        entries.push_back(const_cast<char*>(change.c_str()));
    entries.push_back(nullptr);
    return entries;
}

} // namespace

pid_t startProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& scratchDirectory, const std::vector<std::string>& environment,
                   const std::string& standardInput, const std::string& standardOutput)
{
    const std::string outPath = standardOutput.empty() ? scratchDirectory + "/.stdout" : standardOutput;
    const std::string errPath = scratchDirectory + "/.stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, standardInput.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp = environmentWith(environment);
    pid_t child = 0;
    const int error = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error("cannot start " + program);
    return child;
}

ProgramRun finishProgram(pid_t child, const std::string& scratchDirectory)
{
    const std::string outPath = scratchDirectory + "/.stdout";
    const std::string errPath = scratchDirectory + "/.stderr";
    ProgramRun run{waitFor(child), readFile(outPath), readFile(errPath)};
    unlink(outPath.c_str());
    unlink(errPath.c_str());
    return run;
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& scratchDirectory, const std::vector<std::string>& environment,
                      const std::string& standardInput, const std::string& standardOutput)
{
    return finishProgram(startProgram(program, arguments, scratchDirectory, environment, standardInput, standardOutput),
                         scratchDirectory);
}
