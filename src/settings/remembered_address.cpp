// The remembered background address in pz.ini.
#include "settings/remembered_address.h"

#include <algorithm>
#include <string_view>

#include "core/ini_file.h"
#include "core/program_dir.h"
#include "settings/messages.h"

namespace velquist {
namespace {

constexpr std::string_view kSection = "配置";
constexpr std::string_view kAddressKey = "背景图";

// A stacked page's addresses are one per line; a line of pz.ini holds them apart with tabs,
// which no address holds.
std::string replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

}  // namespace

std::string readRememberedAddress(const std::string& programDir) {
    return replaced(readIniValue(joinPath(programDir, kBackgroundIni), kSection, kAddressKey), '\t',
                    '\n');
}

Status rememberAddress(const std::string& programDir, const std::string& address) {
    return writeIniValue(joinPath(programDir, kBackgroundIni), kSection, kAddressKey,
                         replaced(address, '\n', '\t'));
}

std::string rememberedAddressNote(const Status& saved) {
    return saved ? std::string() : settings_messages::kAddressNotSaved + saved.message();
}

}  // namespace velquist
