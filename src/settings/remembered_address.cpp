// The remembered background address in pz.ini.
#include "settings/remembered_address.h"

#include <string_view>

#include "core/ini_file.h"
#include "core/program_dir.h"
#include "settings/messages.h"

namespace velquist {
namespace {

constexpr std::string_view kSection = "配置";
constexpr std::string_view kAddressKey = "背景图";

}  // namespace

std::string readRememberedAddress(const std::string& programDir) {
    return readIniValue(joinPath(programDir, kBackgroundIni), kSection, kAddressKey);
}

Status rememberAddress(const std::string& programDir, const std::string& address) {
    return writeIniValue(joinPath(programDir, kBackgroundIni), kSection, kAddressKey, address);
}

std::string rememberedAddressNote(const Status& saved) {
    return saved ? std::string() : settings_messages::kAddressNotSaved + saved.message();
}

}  // namespace velquist
