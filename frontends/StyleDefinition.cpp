#include "frontends/StyleDefinition.h"

#include "frontends/HostOutput.h"
#include "trx/changes.h"
#include "trxhost/Document.h"

#include <vector>

namespace frontends {

// The name is the property text change that follows the begin tag, and the
// begin tag names the record: so the record, which names the change, is
// appended last, at the id the data list gives it then.
uint32_t beginStyleDefinition(HostOutput& output, uint32_t styleId, uint32_t kind, const std::string& name)
{
    const uint32_t tagId = output.newTagId();
    const uint32_t recordId = output.document().list(CHLIST_DATA)->length();
    output.change(CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, tagId, recordId);
    std::vector<uint32_t> record = wordRecord(CHSTYLE_RECORD_SIZE);
    wordAt(record, CHSTYLE_ID) = styleId;
    wordAt(record, CHSTYLE_KIND) = kind;
    wordAt(record, CHSTYLE_NAME) = name.empty() ? 0 : output.propertyText(name);
    wordAt(record, CHSTYLE_BASE) = CHSTYLE_NO_BASE;
    output.dataRecord(record);
    return tagId;
}

void endStyleDefinition(HostOutput& output, uint32_t tagId)
{
    output.change(CHCHANGE_END_TAG, CHTAG_STYLE_DEFINITION, tagId);
}

} // namespace frontends
