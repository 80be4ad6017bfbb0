// Turns the host's export options into conversion, reader and writer settings.
#pragma once

#include "trx/platform.h"

class CConversion;

// Fetches every option the filter knows, in a fixed order so that later
// options override earlier ones, and applies those that are set. The
// diagnostics file option comes before all the others.
void applyExportOptions(CConversion& conversion, HEXPORT hExport);
