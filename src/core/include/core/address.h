// What a picture address names: a web address, a file on this computer, or nothing usable.
#pragma once

#include <string>
#include <string_view>

namespace velquist {

enum class AddressKind { Web, LocalFile, Refused };

struct ClassifiedAddress {
    AddressKind kind = AddressKind::Refused;
    // LocalFile: the file's path as the system opens it ("file:" addresses decoded).
    std::string path;
    // Refused: why, in words for the user.
    std::string reason;
};

// The one rule for what the picture-address box takes. Blanks around the text are ignored.
// - Web: "http://" or "https://", either in any letter case, followed by something.
// - LocalFile: an absolute path: "/..." (so "//server/share" too), a drive path "C:\..." or
//   "C:/...", a network path "\\server\share\...", or a "file:" address: "file:///path",
//   "file://localhost/path", "file:/path", "file:///C:/path" (the drive's "/" is dropped),
//   "file://server/share/path" (becomes "//server/share/path"); %XX sequences are decoded.
// - Refused: anything else, relative paths and "~/" included (the box has no current folder,
//   and no shell expands "~" there).
ClassifiedAddress classifyAddress(std::string_view address);

// A command-line argument as an address: a relative path (no scheme, no drive) is taken from
// `currentDir`; anything else is returned unchanged.
std::string commandLineAddress(std::string_view argument, std::string_view currentDir);

}  // namespace velquist
