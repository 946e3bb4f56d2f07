// What a drop on the canvas asks for: a picture to load, a map file to open, or nothing usable.
#pragma once

#include <string>
#include <vector>

namespace velquist {

enum class DropAction { LoadPicture, OpenMapFile, Refused };

struct DropDecision {
    DropAction action = DropAction::Refused;
    std::string address;  // the picture's address or the map file's path
    std::string status;   // Refused: the status line, saying why
};

// `items` are what the drop carries: each address (a local file as its path, anything else as
// the address's text), or the dropped text when there is no address. One web address or file
// is taken; a ".vqmap" file is opened as a map, any other file loaded as a picture.
DropDecision decideDrop(const std::vector<std::string>& items);

// A start argument, also one a later start hands over: a ".vqmap" file is opened as a map;
// anything else is loaded as a picture, whose load says what is wrong with it.
DropDecision decideArgument(const std::string& address);

}  // namespace velquist
