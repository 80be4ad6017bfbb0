// Note changes open footnotes, endnotes and comments.
#pragma once

#include "chunker/Change.h"

class CChangeNote : public CChange {};
