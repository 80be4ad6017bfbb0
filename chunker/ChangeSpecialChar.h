// Special characters become content strands of the current paragraph.
#pragma once

#include "chunker/Change.h"

class CChangeSpecialChar : public CChange {};
