// Header and footer changes open headers and footers.
#pragma once

#include "chunker/Change.h"

class CChangeHeader : public CChange {};
