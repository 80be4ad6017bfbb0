#include "frontends/LinkBuilder.h"

#include "frontends/HostOutput.h"
#include "trx/changes.h"

#include <vector>

namespace frontends {

LinkBuilder::LinkBuilder(HostOutput& output) : output_(output)
{
}

void LinkBuilder::open(const librevenge::RVNGPropertyList& properties)
{
    if (depth_++ != 0)
        return;
    const librevenge::RVNGProperty* href = properties["xlink:href"];
    if (!href || href->getStr().empty())
        return;
    const uint32_t address = output_.propertyText(href->getStr().cstr());
    const uint32_t record = output_.dataRecord(wordRecord(CHHYPERLINK_RECORD_SIZE));
    openTag_ = output_.newTagId();
    output_.change(CHCHANGE_BEGIN_TAG, CHTAG_HYPERLINK, openTag_, record);
    output_.change(CHCHANGE_PROPERTY, CHPROPERTY_URL, address);
    output_.change(CHCHANGE_END_PROPERTIES);
}

void LinkBuilder::close()
{
    if (depth_ == 0 || --depth_ != 0 || openTag_ == 0)
        return;
    output_.change(CHCHANGE_END_TAG, CHTAG_HYPERLINK, openTag_);
    openTag_ = 0;
}

} // namespace frontends
