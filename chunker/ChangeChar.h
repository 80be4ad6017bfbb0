// Character attribute changes update the paragraph's running strand properties.
#pragma once

#include "chunker/Change.h"

class CChangeChar : public CChange {};
