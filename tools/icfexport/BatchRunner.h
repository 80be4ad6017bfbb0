// Converts the documents of the command line, each in a worker process of
// its own (see WorkerPool), --jobs of them at once: a document that cannot
// be read, fails its export, crashes its worker or runs past --timeout is
// reported for itself and the others go on. Each outcome goes to the
// report and its messages to standard error as the document finishes.
#pragma once

#include "CommandLine.h"
#include "ExitStatus.h"

namespace icfexport {

// The status of the first document, in the order of the inputs, that
// failed, or the status of a failure that stopped the run before any
// conversion (an output folder or the report that cannot be written, a
// filter that cannot be loaded).
ExitStatus runBatch(const CommandLine& commandLine);

} // namespace icfexport
