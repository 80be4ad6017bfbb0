#include "chunker/WordStrandNodeXlator.h"

void CWordStrandNodeXlator::onDone()
{
    CNodeXlator::onDone();
}
