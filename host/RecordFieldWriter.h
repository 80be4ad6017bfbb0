// Writes a record as the fields of its structured form; parsing the text
// back gives the same bytes.
#pragma once

#include "host/RecordForms.h"

#include <cstdint>
#include <string>

namespace trxhost {

// The fields, each after a space: the record's own fields that are not 0,
// the sides that have a line, then `at` for bits that no field names.
std::string formatRecordFields(const RecordForm& form, const uint8_t* record);

} // namespace trxhost
