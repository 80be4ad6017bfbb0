// Paragraph attribute changes reach the current paragraph.
#pragma once

#include "chunker/Change.h"

class CChangePara : public CChange {};
