// The user session on Windows: the user's name and the number of the logon session.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/user_session.h"

namespace velquist {
namespace {

// Letters and digits stay; anything else (blanks, dots, non-ASCII letters) becomes its code in
// hex, so that two different names never meet.
std::string nameLetters(std::wstring_view name) {
    std::string out;
    for (const wchar_t c : name) {
        if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "-%04x", static_cast<unsigned>(c));
            out += hex;
        }
    }
    return out;
}

}  // namespace

std::string userSessionKey() {
    wchar_t name[257] = {};
    DWORD length = sizeof name / sizeof name[0];
    std::string key = ::GetUserNameW(name, &length) ? nameLetters(name) : "user";
    DWORD session = 0;
    if (::ProcessIdToSessionId(::GetCurrentProcessId(), &session)) {
        key += "-s" + std::to_string(session);
    }
    return key;
}

void letRunningCopyComeForward() {
    ::AllowSetForegroundWindow(ASFW_ANY);
}

}  // namespace velquist
