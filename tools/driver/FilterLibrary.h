// The export filter loaded as a host loads it: dlopen, VwGetRtns, and from
// then on only the routines of the table it fills.
#pragma once

#include "icf/filter.h"

#include <stdexcept>
#include <string>

namespace icfdriver {

// The filter could not be found, loaded or started; what() says why.
class FilterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The routines of the table that a conversion calls.
struct FilterRoutines {
    VWALLOCPROC allocProc;
    VWFREEPROC freeProc;
    VWSETUSER setUser;
    VWEXPORTOPEN exportOpen;
    VWEXPORTWRITE exportWrite;
    VWEXPORTCLOSE exportClose;
};

class FilterLibrary {
public:
    // Loads the filter and fetches its routine table. Throws FilterError.
    explicit FilterLibrary(const std::string& path);
    ~FilterLibrary();
    FilterLibrary(const FilterLibrary&) = delete;
    FilterLibrary& operator=(const FilterLibrary&) = delete;

    const FilterRoutines& routines() const { return routines_; }

private:
    void* handle_;
    FilterRoutines routines_;
};

// <directory of the running program>/../lib/libicffilter.so.1, where the
// build tree and the install tree both put the filter. Throws FilterError.
std::string defaultFilterPath();

} // namespace icfdriver
