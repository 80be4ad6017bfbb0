// Style changes apply styles.
#pragma once

#include "chunker/Change.h"

class CChangeStyle : public CChange {};
