// Builds the value of a style attribute from the preview's values. Every
// value is made here from numbers or quoted as a CSS string, so nothing of
// the document's text can end a declaration.
#pragma once

#include "PreviewDocument.h"

#include <string>

namespace icfdump::preview {

class CssStyle {
public:
    CssStyle& add(const char* property, const std::string& value);
    // A length given in twips, in points.
    CssStyle& length(const char* property, long twips);
    CssStyle& colour(const char* property, const Rgb& rgb);
    CssStyle& borders(const Borders& borders);
    CssStyle& shading(const std::optional<Shading>& shading);

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

std::string cssPoints(long twips);
std::string cssColour(const Rgb& rgb);
// A CSS string literal: characters other than letters, digits and spaces as escapes.
std::string cssString(const std::string& text);
// The colour a shading shows: its pattern colour laid over its background.
Rgb shadingColour(const Shading& shading);

std::string characterStyle(const CharacterFormat& format);
std::string paragraphStyle(const ParagraphFormat& format);

} // namespace icfdump::preview
