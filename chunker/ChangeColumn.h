// Column changes set a section's columns.
#pragma once

#include "chunker/Change.h"

class CChangeColumn : public CChange {};
