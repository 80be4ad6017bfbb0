// A run of characters becomes a text strand of the current paragraph.
#pragma once

#include "chunker/Change.h"

class CChangeText : public CChange {};
