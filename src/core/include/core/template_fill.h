// Fills the placeholders of a text template in one pass.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace velquist {

struct Placeholder {
    std::string_view name;
    std::string_view value;
    int count = 1;                 // how many occurrences, the first ones in template order
    bool ignoreAsciiCase = false;  // ASCII letters of `name` match in either case
};

// Applies the placeholders in the order given. Each takes its first `count` occurrences in the
// template text that earlier placeholders left; inserted values are never searched, so a value
// holding a later placeholder's name comes out intact. Nothing is escaped.
std::string fillTemplate(std::string_view templ, std::span<const Placeholder> placeholders);
std::string fillTemplate(std::string_view templ, std::initializer_list<Placeholder> placeholders);

}  // namespace velquist
