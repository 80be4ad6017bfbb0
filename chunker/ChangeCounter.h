// Counter changes define, restart and apply page, note and list numbering.
#pragma once

#include "chunker/Change.h"

class CChangeCounter : public CChange {};
