#include "chunker/Change.h"

uint32_t CChange::process(INode*&)
{
    return 0;
}

void CChange::setChange(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3)
{
    m_type = type;
    m_value1 = value1;
    m_value2 = value2;
    m_value3 = value3;
}
