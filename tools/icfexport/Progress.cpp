#include "Progress.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace icfexport {

namespace {

using Clock = std::chrono::steady_clock;

// Redrawing more often would only flicker.
constexpr auto kRedrawInterval = std::chrono::milliseconds(200);
// Moves to the start of the line and clears it.
constexpr char kClearLine[] = "\r\033[K";

} // namespace

Progress::Progress(size_t total, bool enabled)
    : total_(total), enabled_(enabled && isatty(STDERR_FILENO)), started_(Clock::now())
{
}

void Progress::finished(bool failed)
{
    ++done_;
    failed_ += failed ? 1 : 0;
}

void Progress::update()
{
    if (enabled_ && Clock::now() - lastDrawn_ >= kRedrawInterval)
        draw();
}

void Progress::write(const std::string& text)
{
    if (drawn_)
        std::cerr << kClearLine;
    std::cerr << text << std::flush;
    if (drawn_)
        draw();
}

void Progress::clear()
{
    if (drawn_)
        std::cerr << kClearLine << std::flush;
    drawn_ = false;
}

double Progress::elapsedSeconds() const
{
    return std::chrono::duration<double>(Clock::now() - started_).count();
}

// "120/1000 done, 2 failed, 35.2 documents/s, 25 s left".
std::string Progress::line() const
{
    const double seconds = elapsedSeconds();
    const double rate = seconds > 0 ? static_cast<double>(done_) / seconds : 0;
    char text[160];
    if (rate > 0)
        std::snprintf(text, sizeof text, "%zu/%zu done, %zu failed, %.1f documents/s, %.0f s left", done_, total_,
                      failed_, rate, static_cast<double>(total_ - done_) / rate);
    else
        std::snprintf(text, sizeof text, "%zu/%zu done, %zu failed", done_, total_, failed_);
    return text;
}

void Progress::draw()
{
    std::cerr << kClearLine << line() << std::flush;
    drawn_ = true;
    lastDrawn_ = Clock::now();
}

} // namespace icfexport
