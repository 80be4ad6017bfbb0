// The exit statuses of icfexport; --help and the README list them.
#pragma once

namespace icfexport {

enum class ExitStatus : int {
    Ok = 0,
    Usage = 1,        // the command line is wrong
    Listing = 2,      // an input listing could not be read or parsed
    Filter = 3,       // the filter could not be loaded or started
    ExportFailed = 4, // the filter returned a host error code
    Output = 5, // an output file or standard output could not be written or renamed into place, or its folder entered
    Unhandled = 6,   // --strict: a change type reached no handler
    WorkerEnded = 7, // a document's worker crashed, was killed, or ran past --timeout; or none could be started
};

} // namespace icfexport
