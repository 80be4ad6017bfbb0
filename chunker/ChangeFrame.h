// Frame changes open frames and their anchors.
#pragma once

#include "chunker/Change.h"

class CChangeFrame : public CChange {};
