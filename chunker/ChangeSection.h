// Section changes start sections.
#pragma once

#include "chunker/Change.h"

class CChangeSection : public CChange {};
