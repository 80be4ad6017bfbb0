#include "model/ReferenceTracking.h"

void CReferenceTracking::addRef()
{
    ++m_count;
}

void CReferenceTracking::releaseRef()
{
    --m_count;
    if (static_cast<int32_t>(m_count) <= 0)
        delete this;
}
