#include "TemporaryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace icfexport {

namespace {

// The signal handler may only read these: a slot is in use once its name
// is complete, and its name is not changed while it is in use.
constexpr int kSlots = 4;
char slotPaths[kSlots][PATH_MAX];
volatile sig_atomic_t slotInUse[kSlots];

constexpr int kRemovingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Where the paths of new files are announced, or -1.
int announcements = -1;
constexpr char kAnnouncement[] = "temporary ";

extern "C" void removeAndResignal(int signal)
{
    for (int i = 0; i < kSlots; ++i)
        if (slotInUse[i])
            unlink(slotPaths[i]);
    // The handler was reset to the default action on entry; the signal is
    // delivered again, now ending the program, once the handler returns.
    raise(signal);
}

// Installs the handler, once; a signal the program was started to ignore
// stays ignored.
void installHandlers()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (const int signal : kRemovingSignals) {
        struct sigaction previous {};
        if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = removeAndResignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        sigaction(signal, &action, nullptr);
    }
}

// Holds back the signals above while it lives, so that a file is never
// created without being known to the handler.
class SignalsHeld {
public:
    SignalsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : kRemovingSignals)
            sigaddset(&held, signal);
        sigprocmask(SIG_BLOCK, &held, &previous_);
    }
    ~SignalsHeld() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// The permissions open() gives a new file; mkstemp() gives 0600.
mode_t newFilePermissions()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int takeSlot(const std::string& path)
{
    if (path.size() >= PATH_MAX)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        if (slotInUse[i])
            continue;
        std::memcpy(slotPaths[i], path.c_str(), path.size() + 1);
        slotInUse[i] = 1;
        return i;
    }
    return -1;
}

// One write, so that the line arrives whole.
void announce(const std::string& path)
{
    if (announcements < 0)
        return;
    const std::string line = kAnnouncement + path + '\n';
    [[maybe_unused]] const ssize_t written = write(announcements, line.data(), line.size());
}

} // namespace

TemporaryFile::TemporaryFile(std::string pattern)
{
    installHandlers();
    const SignalsHeld held;
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0)
        throw std::system_error(errno, std::generic_category(), "cannot create a temporary file " + pattern);
    const bool usable = fchmod(descriptor, newFilePermissions()) == 0;
    const int error = errno;
    close(descriptor);
    if (!usable) {
        unlink(pattern.c_str());
        throw std::system_error(error, std::generic_category(), "cannot set the permissions of " + pattern);
    }
    path_ = std::move(pattern);
    slot_ = takeSlot(path_);
    announce(path_);
}

void TemporaryFile::announceTo(int descriptor)
{
    announcements = descriptor;
}

// The handler forgets the file only once it is gone.
TemporaryFile::~TemporaryFile()
{
    if (!renamed_)
        unlink(path_.c_str());
    if (slot_ >= 0)
        slotInUse[slot_] = 0;
}

int TemporaryFile::renameTo(const std::string& finalPath)
{
    if (std::rename(path_.c_str(), finalPath.c_str()) != 0)
        return errno;
    renamed_ = true;
    return 0;
}

} // namespace icfexport
