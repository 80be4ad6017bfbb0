// Turns the importers' fields into what the host carries: the current page
// number and the time as special characters, a date as a date field whose
// format gives the day, the month and the year, or as the host's date
// special character when its format has other parts. Other fields (the
// page count, the title, the file name ...) have no host form and the
// importers give no text for them: they are left out.
#pragma once

#include <librevenge/librevenge.h>

#include <cstdint>

namespace frontends {

class HostOutput;

class FieldBuilder {
public:
    explicit FieldBuilder(HostOutput& output);

    void insert(const librevenge::RVNGPropertyList& properties);

private:
    // False, and nothing sent, when the format has a part the host's date
    // field cannot show.
    bool writeDateField(const librevenge::RVNGPropertyListVector& format);

    HostOutput& output_;
};

} // namespace frontends
