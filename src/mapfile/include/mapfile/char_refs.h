// HTML character references in attribute values, decoded as browsers decode them.
#pragma once

#include <string>
#include <string_view>

namespace velquist {

// `raw` (UTF-8, as written between the quotes) with every reference a browser reads replaced by
// its text: named ones from the full HTML list ("&amp;", "&copy;", and the old names that need no
// ";" unless a letter, digit or "=" follows, as in "&copy 2024" but not "?a=1&copy=2"), and
// numeric ones ("&#39;", "&#x4E2D;", with the browsers' replacements for 0, surrogates, values
// past U+10FFFF and the Windows-1252 range 0x80-0x9F). Anything else stays as written.
std::string decodeAttributeReferences(std::string_view raw);

}  // namespace velquist
