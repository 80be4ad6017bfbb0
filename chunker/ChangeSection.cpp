#include "chunker/ChangeSection.h"

namespace {

// The result that stops reading; the reader fails the export with it.
constexpr uint32_t kSectionChangeRefused = 50;

} // namespace

uint32_t CChangeSection::process(INode*&)
{
    return getValue1() != 0 ? kSectionChangeRefused : 0;
}
