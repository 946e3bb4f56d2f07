// The suggestion command: load as the window would, propose, write through the map file writer.
#include "app/suggest_command.h"

#include <filesystem>
#include <string_view>

#include "core/address.h"
#include "editor/picture_loader.h"
#include "mapfile/map_file.h"
#include "suggest/messages.h"
#include "suggest/suggestion.h"

namespace velquist {

bool isSuggestCommand(int argc, char** argv) {
    return argc >= 2 && std::string_view(argv[1]) == "--suggest";
}

int runSuggestCommand(int argc, char** argv, std::ostream& errors) {
    if (argc != 4) {
        errors << suggest_messages::kUsage << '\n';
        return 2;
    }
    std::error_code ignored;
    const std::string address =
        commandLineAddress(argv[2], std::filesystem::current_path(ignored).string());
    Result<Picture> picture = loadPicture(address, nullptr);
    if (!picture) {
        errors << suggest_messages::kPictureFailed << picture.error() << '\n';
        return 1;
    }
    MapDocument map;
    map.pictureAddress = address;
    map.pictureWidth = picture->width;
    map.pictureHeight = picture->height;
    for (const Suggestion& s : suggestHotspots(*picture)) {
        map.hotspots.push_back(MapHotspot{s.rect, {}, {}});
    }
    if (const Status saved = saveMapFile(argv[3], map); !saved) {
        errors << suggest_messages::kWriteFailed << saved.message() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace velquist
