// The bytes of an embedded picture as a data: URI, for the formats a browser
// shows.
#pragma once

#include <string>
#include <string_view>

namespace icfdump::preview {

// `hexDigits` holds the picture's bytes two hexadecimal digits each, as
// "PCT" carries them. A PNG, JPEG or GIF picture gives its data: URI; any
// other content, and digits that are not pairs, give "".
std::string pictureDataUri(std::string_view hexDigits);

// Bytes in base64, padded.
std::string base64(std::string_view bytes);

} // namespace icfdump::preview
