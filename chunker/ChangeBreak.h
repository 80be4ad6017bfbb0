// Breaks close and continue paragraphs, cells, rows, sections and the document.
#pragma once

#include "chunker/Change.h"

class CChangeBreak : public CChange {};
