// Runs tasks each in a worker process of its own, forked from this one
// without exec, at most N at once. A task sees this process as it was when
// the worker was forked and changes nothing here, so the process-wide state
// of whatever it loads (the filter) starts afresh for every task, and a
// crash, a hang or a leak ends with its worker. A worker's standard error
// and a channel for its results are read by this process while it runs; a
// worker still running after the timeout is killed. SIGINT, SIGTERM and
// SIGHUP are passed on to the workers, and end this process once they are
// gone.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace icfexport {

// How one task's worker ended.
struct WorkerEnd {
    size_t task = 0;
    // The worker's exit status, when it exited.
    int exitStatus = 0;
    // The signal that ended it, or 0.
    int signal = 0;
    bool timedOut = false;
    // What it wrote to standard error, and to its result channel.
    std::string messages;
    std::string results;
    double seconds = 0;
};

class WorkerPool {
public:
    // Runs in the worker: the task's index and the descriptor of its result
    // channel; returns the worker's exit status.
    using Task = std::function<int(size_t task, int results)>;
    using Ended = std::function<void(const WorkerEnd& end)>;
    // Called every time the pool wakes up, at least every tick.
    using Tick = std::function<void()>;

    // `timeoutSeconds` 0 lets a worker run as long as it takes.
    WorkerPool(unsigned workerCount, unsigned timeoutSeconds);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Runs the tasks 0 to taskCount - 1 in that order; `ended` hears of
    // each as it ends. Throws std::system_error when no worker can be
    // started.
    void run(size_t taskCount, const Task& task, const Ended& ended, const Tick& tick);

private:
    struct Worker;

    void start(size_t task, const Task& run);
    // Passes `signal` on to the workers, waits for them and ends this
    // process by the signal.
    [[noreturn]] void stop(int signal);
    [[noreturn]] void runInWorker(size_t task, const Task& run, int messages, int results);
    void waitForOutput();
    void killOverdue();
    void reapEnded(const Ended& ended);

    unsigned workerCount_;
    std::chrono::steady_clock::duration timeout_;
    std::vector<Worker> running_;
};

} // namespace icfexport
