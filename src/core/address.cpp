// Classifying picture addresses.
#include "core/address.h"

#include "core/messages.h"
#include "core/text.h"

namespace velquist {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isSlash(char c) {
    return c == '/' || c == '\\';
}

// "C:\..." or "C:/...": a drive-relative "C:name" is no full path.
bool isDrivePath(std::string_view text) {
    return text.size() >= 3 && isAsciiLetter(text[0]) && text[1] == ':' && isSlash(text[2]);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// %XX becomes its byte; a "%" without two hex digits stays, as browsers leave it.
std::string percentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool escape = text[i] == '%' && i + 2 < text.size();
        const int high = escape ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

ClassifiedAddress refused(const char* reason) {
    return {AddressKind::Refused, {}, reason};
}

// What follows "file:".
ClassifiedAddress fileAddress(std::string_view rest) {
    std::string_view path;
    std::string server;
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        const std::string_view host = rest.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
        if (!host.empty() && !equalsIgnoreAsciiCase(host, "localhost")) {
            server = "//" + std::string(host);  // a network share
        }
    } else if (rest.starts_with("/")) {
        path = rest;
    }
    if (path.empty()) {
        return refused(core_messages::kFileAddressBad);
    }
    std::string decoded = percentDecoded(path);
    if (decoded.find('\0') != std::string::npos) {
        return refused(core_messages::kFileAddressBad);
    }
    // file:///C:/dir/a.png, also in the old form file:///C|/dir/a.png.
    if (server.empty() && decoded.size() >= 4 && isAsciiLetter(decoded[1]) &&
        (decoded[2] == ':' || decoded[2] == '|') && isSlash(decoded[3])) {
        decoded.erase(0, 1);
        decoded[1] = ':';
    }
    return {AddressKind::LocalFile, server + decoded, {}};
}

}  // namespace

ClassifiedAddress classifyAddress(std::string_view address) {
    const std::string_view text = trimmed(address, kBlanks);
    if (text.empty()) {
        return refused(core_messages::kAddressEmpty);
    }
    for (const std::string_view scheme : {"http://", "https://"}) {
        if (startsWithIgnoreCase(text, scheme) && text.size() > scheme.size()) {
            return {AddressKind::Web, {}, {}};
        }
    }
    if (startsWithIgnoreCase(text, "file:")) {
        return fileAddress(text.substr(5));
    }
    // A zero byte would end the path early when the system opens it.
    if (text.find('\0') != std::string_view::npos) {
        return refused(core_messages::kAddressUnsupported);
    }
    if (text.front() == '/' || text.starts_with("\\\\") || isDrivePath(text)) {
        return {AddressKind::LocalFile, std::string(text), {}};
    }
    return refused(core_messages::kAddressUnsupported);
}

std::string commandLineAddress(std::string_view argument, std::string_view currentDir) {
    const std::string_view text = trimmed(argument, kBlanks);
    if (text.empty() || classifyAddress(text).kind != AddressKind::Refused) {
        return std::string(argument);
    }
    // A colon before the first separator is a scheme or a drive: not a path to complete.
    const size_t colon = text.find(':');
    if (colon != std::string_view::npos && colon < text.find_first_of("/\\")) {
        return std::string(argument);
    }
    std::string path(currentDir);
    if (path.empty() || !isSlash(path.back())) {
        path += '/';
    }
    return path + std::string(text);
}

}  // namespace velquist
