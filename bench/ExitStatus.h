// The exit statuses of icfbench; --help and the README list them.
#pragma once

namespace icfbench {

enum class ExitStatus : int {
    Ok = 0,     // every size was measured
    Usage = 1,  // the command line is wrong
    Failed = 2, // a size could not be measured: the filter did not load, the export failed, ...
};

} // namespace icfbench
