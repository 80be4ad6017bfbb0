// The column layout command of a table row: the row writer fills it, the
// table writer keeps the one in force and compares the next row's with it.
#pragma once

#include "icf/ICFCommand.h"

class CICFCodeCDS : public CICFCommand {};
