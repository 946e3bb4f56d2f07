// Text at the Windows system boundary: the program's UTF-8 against the system's UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace velquist {

// UTF-8 to UTF-16; invalid UTF-8 becomes U+FFFD (a path with it names no file anyway).
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

// A short cause for a GetLastError() value, in the user's language where the program has one.
std::string describeWindowsError(unsigned long error);

}  // namespace velquist
