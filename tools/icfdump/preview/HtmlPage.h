// Writes the preview as one self-contained HTML page: the stylesheet inline,
// pictures as data: URIs, nothing fetched from elsewhere. The page is made
// from mustache templates, which escape every value they insert.
#pragma once

#include "PreviewDocument.h"

#include <string>

namespace icfdump::preview {

// `title` names the stream (its file name).
std::string htmlPage(const PreviewDocument& document, const std::string& title);

} // namespace icfdump::preview
