// The progress line of a run on a terminal: documents done of the total,
// failures, documents per second and the time left, redrawn in place at
// most a few times a second. Messages are written through it, so that they
// land on lines of their own. Off the terminal (or with --quiet) it draws
// nothing and messages pass straight.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace icfexport {

class Progress {
public:
    // Draws only when `enabled` and standard error is a terminal.
    Progress(size_t total, bool enabled);

    // Counts one finished document.
    void finished(bool failed);
    // Redraws the line when it is due.
    void update();
    // Writes `text` (whole lines) to standard error above the line.
    void write(const std::string& text);
    // Removes the line, at the end of the run.
    void clear();

    double elapsedSeconds() const;

private:
    std::string line() const;
    void draw();

    size_t total_;
    size_t done_ = 0;
    size_t failed_ = 0;
    bool enabled_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point lastDrawn_;
};

} // namespace icfexport
