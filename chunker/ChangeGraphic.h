// Graphic changes place embedded and referenced graphics.
#pragma once

#include "chunker/Change.h"

class CChangeGraphic : public CChange {};
