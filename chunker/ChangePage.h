// Page changes set page size, margins and borders.
#pragma once

#include "chunker/Change.h"

class CChangePage : public CChange {};
