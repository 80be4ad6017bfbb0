#include "icf/ICFCodeSSI.h"

#include <iterator>

CICFCodeSSI::CICFCodeSSI()
{
    for (uint32_t slot = 0; slot < kSlotCount; ++slot)
        addParameter(CICFNullParameter());
}

void CICFCodeSSI::setParameter(uint32_t slot, const CICFStringParameter& text)
{
    if (slot == 0 || slot > kSlotCount)
        return;
    *std::next(getParameterList().begin(), slot - 1) = text.clone();
}
