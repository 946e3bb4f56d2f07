// What a drop on the canvas asks for.
#include "editor/drop_rules.h"

#include <string_view>

#include "core/address.h"
#include "core/text.h"
#include "editor/messages.h"
#include "mapfile/map_file.h"

namespace velquist {
namespace {

// Every line that is not blank, from every item: a browser's text may list several addresses.
std::vector<std::string_view> linesOf(const std::vector<std::string>& items) {
    std::vector<std::string_view> lines;
    for (std::string_view item : items) {
        while (!item.empty()) {
            const size_t end = item.find_first_of("\r\n");
            const std::string_view line = item.substr(0, end);
            if (const size_t first = line.find_first_not_of(" \t"); first != line.npos) {
                lines.push_back(line.substr(first, line.find_last_not_of(" \t") + 1 - first));
            }
            item = end == std::string_view::npos ? std::string_view() : item.substr(end + 1);
        }
    }
    return lines;
}

bool isMapFile(std::string_view path) {
    const std::string_view ext = kMapFileExtension;
    return path.size() > ext.size() &&
           equalsIgnoreAsciiCase(path.substr(path.size() - ext.size()), ext);
}

DropDecision refused(std::string_view why) {
    return {DropAction::Refused, {}, std::string(editor_messages::kDropFailed) + std::string(why)};
}

}  // namespace

DropDecision decideDrop(const std::vector<std::string>& items) {
    const std::vector<std::string_view> lines = linesOf(items);
    if (lines.empty()) {
        return refused(editor_messages::kDropNothingUsable);
    }
    if (lines.size() > 1) {
        return refused(editor_messages::kDropTooMany);
    }
    ClassifiedAddress address = classifyAddress(lines.front());
    switch (address.kind) {
        case AddressKind::Web:
            return {DropAction::LoadPicture, std::string(lines.front()), {}};
        case AddressKind::LocalFile:
            if (isMapFile(address.path)) {
                return {DropAction::OpenMapFile, std::move(address.path), {}};
            }
            return {DropAction::LoadPicture, std::move(address.path), {}};
        case AddressKind::Refused:
            break;
    }
    return refused(address.reason);
}

DropDecision decideArgument(const std::string& address) {
    ClassifiedAddress classified = classifyAddress(address);
    if (classified.kind == AddressKind::LocalFile && isMapFile(classified.path)) {
        return {DropAction::OpenMapFile, std::move(classified.path), {}};
    }
    return {DropAction::LoadPicture, address, {}};
}

}  // namespace velquist
