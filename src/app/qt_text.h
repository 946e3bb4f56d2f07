// Conversion of the program's UTF-8 texts to Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace velquist {

inline QString toQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace velquist
