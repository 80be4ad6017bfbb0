// Table changes open tables and give rows their row and cell formats.
#pragma once

#include "chunker/Change.h"

class CChangeBeginTable : public CChange {};

class CChangeEndTable : public CChange {};

class CChangeRowFormat : public CChange {};

class CChangeCellFormat : public CChange {};
