#include "WorkerPool.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <system_error>

namespace icfexport {

namespace {

using Clock = std::chrono::steady_clock;

// How long the pool sleeps at most between looks at its workers: the
// timeouts and the progress line need no finer step.
constexpr int kTickMilliseconds = 100;
// A worker's messages kept at most; what it writes beyond is read and
// dropped, so that a runaway worker neither blocks nor fills the memory.
constexpr size_t kMaxKeptOutput = 64 * 1024;
// The status of a worker whose task let an exception out, or whose parent
// was gone before it began: EX_SOFTWARE of sysexits.h.
constexpr int kTaskFailed = 70;

// The signals that stop a run: they are passed on to the workers (which
// remove their temporary files), and once the workers are gone this
// process ends by the signal too.
constexpr int kStoppingSignals[] = {SIGINT, SIGTERM, SIGHUP};
volatile sig_atomic_t stopSignal = 0;

extern "C" void noteStopSignal(int signal)
{
    stopSignal = signal;
}

// The SIGCHLD handler writes a byte into this pipe, so that the pool's
// poll() wakes the moment a worker ends.
int childEnded[2] = {-1, -1};

extern "C" void noteChildEnded(int)
{
    const int saved = errno;
    [[maybe_unused]] const ssize_t written = write(childEnded[1], "", 1);
    errno = saved;
}

// Catches the stopping signals and SIGCHLD while the pool runs; a stopping
// signal the program was started to ignore stays ignored.
void catchSignals()
{
    if (pipe2(childEnded, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::system_error(errno, std::generic_category(), "cannot make a pipe for the pool");
    struct sigaction childAction {};
    childAction.sa_handler = noteChildEnded;
    sigemptyset(&childAction.sa_mask);
    childAction.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    sigaction(SIGCHLD, &childAction, nullptr);
    for (const int signal : kStoppingSignals) {
        struct sigaction previous {};
        if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = noteStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

// In a worker, and when the pool is done.
void restoreSignals()
{
    ::signal(SIGCHLD, SIG_DFL);
    for (int& end : childEnded) {
        if (end >= 0)
            close(end);
        end = -1;
    }
    for (const int stopping : kStoppingSignals) {
        struct sigaction current {};
        if (sigaction(stopping, nullptr, &current) == 0 && current.sa_handler == noteStopSignal)
            ::signal(stopping, SIG_DFL);
    }
}

// Holds back the stopping signals while it lives: across a fork, so that a
// worker never runs the pool's handler, and one meant for it is delivered
// once its handlers are the default again.
class StoppingSignalsHeld {
public:
    StoppingSignalsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : kStoppingSignals)
            sigaddset(&held, signal);
        sigprocmask(SIG_BLOCK, &held, &previous_);
    }
    ~StoppingSignalsHeld() { release(); }
    StoppingSignalsHeld(const StoppingSignalsHeld&) = delete;
    StoppingSignalsHeld& operator=(const StoppingSignalsHeld&) = delete;

    void release() const { sigprocmask(SIG_SETMASK, &previous_, nullptr); }

private:
    sigset_t previous_;
};

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe makePipe()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        throw std::system_error(errno, std::generic_category(), "cannot make a pipe for a worker");
    return {ends[0], ends[1]};
}

// Reads what is there now; false once the writers are gone.
bool readAvailable(int descriptor, std::string& kept)
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = read(descriptor, buffer, sizeof buffer);
        if (count > 0) {
            kept.append(buffer,
                        std::min(static_cast<size_t>(count), kMaxKeptOutput - std::min(kept.size(), kMaxKeptOutput)));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        return count < 0;
    }
}

// Reads what `descriptor` has now, and closes it once its writers are gone.
void drain(int& descriptor, std::string& kept)
{
    if (descriptor >= 0 && !readAvailable(descriptor, kept)) {
        close(descriptor);
        descriptor = -1;
    }
}

} // namespace

struct WorkerPool::Worker {
    pid_t pid = -1;
    size_t task = 0;
    // The read ends of its pipes, -1 once closed.
    int messages = -1;
    int results = -1;
    WorkerEnd end;
    Clock::time_point started;
    bool killed = false;

    void closePipes()
    {
        for (int* descriptor : {&messages, &results}) {
            if (*descriptor >= 0)
                close(*descriptor);
            *descriptor = -1;
        }
    }
};

WorkerPool::WorkerPool(unsigned workerCount, unsigned timeoutSeconds)
    : workerCount_(std::max(1U, workerCount)), timeout_(std::chrono::seconds(timeoutSeconds))
{
}

// Workers still running when the pool goes (an exception ended the run)
// are killed and waited for.
WorkerPool::~WorkerPool()
{
    restoreSignals();
    for (Worker& worker : running_) {
        kill(worker.pid, SIGKILL);
        waitpid(worker.pid, nullptr, 0);
        worker.closePipes();
    }
}

void WorkerPool::run(size_t taskCount, const Task& task, const Ended& ended, const Tick& tick)
{
    catchSignals();
    size_t next = 0;
    while (next < taskCount || !running_.empty()) {
        if (stopSignal)
            stop(stopSignal);
        while (next < taskCount && running_.size() < workerCount_)
            start(next++, task);
        waitForOutput();
        killOverdue();
        reapEnded(ended);
        tick();
    }
    restoreSignals();
}

void WorkerPool::stop(int signal)
{
    for (const Worker& worker : running_)
        kill(worker.pid, signal);
    for (Worker& worker : running_) {
        waitpid(worker.pid, nullptr, 0);
        worker.closePipes();
    }
    running_.clear();
    restoreSignals();
    raise(signal);
    // A signal blocked by whoever started the program lands here.
    _exit(128 + signal);
}

void WorkerPool::start(size_t task, const Task& run)
{
    const Pipe messages = makePipe();
    const Pipe results = makePipe();
    std::cerr.flush();
    std::fflush(nullptr);
    const StoppingSignalsHeld held;
    const pid_t pid = fork();
    if (pid < 0) {
        const int error = errno;
        for (const int end : {messages.read, messages.write, results.read, results.write})
            close(end);
        throw std::system_error(error, std::generic_category(), "cannot start a worker");
    }
    if (pid == 0) {
        close(messages.read);
        close(results.read);
        restoreSignals();
        held.release();
        runInWorker(task, run, messages.write, results.write);
    }
    close(messages.write);
    close(results.write);
    fcntl(messages.read, F_SETFL, O_NONBLOCK);
    fcntl(results.read, F_SETFL, O_NONBLOCK);
    Worker& worker = running_.emplace_back();
    worker.pid = pid;
    worker.task = task;
    worker.messages = messages.read;
    worker.results = results.read;
    worker.started = Clock::now();
    worker.end.task = task;
}

// Runs in the worker, with the signals' default handlers back: it ends
// with its parent (SIGTERM removes its temporary files), writes its
// messages into the pipe, and never returns into the pool.
void WorkerPool::runInWorker(size_t task, const Task& run, int messages, int results)
{
    const pid_t parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent)
        _exit(kTaskFailed);
    for (Worker& worker : running_)
        worker.closePipes();
    dup2(messages, STDERR_FILENO);
    close(messages);
    // The task reports its own errors; one that escapes it only fails it.
    int status = kTaskFailed;
    try {
        status = run(task, results);
    } catch (...) {
    }
    std::cerr.flush();
    std::fflush(nullptr);
    _exit(status);
}

// Sleeps until a worker writes or ends, or a tick passes.
void WorkerPool::waitForOutput()
{
    std::vector<pollfd> watched{{childEnded[0], POLLIN, 0}};
    for (const Worker& worker : running_)
        for (const int descriptor : {worker.messages, worker.results})
            if (descriptor >= 0)
                watched.push_back({descriptor, POLLIN, 0});
    poll(watched.data(), watched.size(), kTickMilliseconds);
    std::string ends;
    readAvailable(childEnded[0], ends);
    for (Worker& worker : running_) {
        drain(worker.messages, worker.end.messages);
        drain(worker.results, worker.end.results);
    }
}

void WorkerPool::killOverdue()
{
    if (timeout_ == Clock::duration::zero())
        return;
    const Clock::time_point now = Clock::now();
    for (Worker& worker : running_) {
        if (!worker.killed && now - worker.started > timeout_) {
            kill(worker.pid, SIGKILL);
            worker.killed = true;
            worker.end.timedOut = true;
        }
    }
}

// A worker is done once it has ended and its pipes have given everything.
void WorkerPool::reapEnded(const Ended& ended)
{
    for (auto worker = running_.begin(); worker != running_.end();) {
        int status = 0;
        if (waitpid(worker->pid, &status, WNOHANG) != worker->pid) {
            ++worker;
            continue;
        }
        drain(worker->messages, worker->end.messages);
        drain(worker->results, worker->end.results);
        worker->closePipes();
        WorkerEnd end = std::move(worker->end);
        end.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 0;
        end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        end.seconds = std::chrono::duration<double>(Clock::now() - worker->started).count();
        worker = running_.erase(worker);
        ended(end);
    }
}

} // namespace icfexport
