// Turns the importers' links into hyperlinks as a host sends them: a tag
// around the link's text whose properties give its address.
#pragma once

#include <librevenge/librevenge.h>

#include <cstdint>

namespace frontends {

class HostOutput;

class LinkBuilder {
public:
    explicit LinkBuilder(HostOutput& output);

    void open(const librevenge::RVNGPropertyList& properties);
    void close();

private:
    HostOutput& output_;
    // Links do not nest: a link opened inside another is taken as part of
    // it, and only the outermost is sent.
    uint32_t depth_ = 0;
    // The tag of the outermost link; 0 when it had no address.
    uint32_t openTag_ = 0;
};

} // namespace frontends
