#include "icf/ICFStrandPropertiesStatus.h"

void CICFStrandPropertiesStatus::reset()
{
    m_written.fill(kOnOffOff);
    m_flags.fill(kOnOffOff);
}
