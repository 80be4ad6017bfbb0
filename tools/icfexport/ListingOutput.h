// --to-listing: a document written as a listing, put into place like an ICF
// output only once it is written whole.
#pragma once

#include "CommandLine.h"
#include "ExitStatus.h"

namespace trxhost {
class Document;
}

namespace icfexport {

ExitStatus writeListing(const trxhost::Document& document, const Job& job);

} // namespace icfexport
