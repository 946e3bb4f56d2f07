// The background picture: accepting an address, installing a loaded picture, aligning it.
#pragma once

#include <string>
#include <string_view>

#include "core/status.h"
#include "editor/hotspot_editor.h"
#include "editor/picture.h"

namespace velquist {

enum class Alignment { Top, Bottom, Left, Right, Centre };

// An address is taken when it contains "http" anywhere (letter case as written).
bool addressAccepted(std::string_view address);

// Makes `picture` the background: every hotspot goes, the picture becomes the bottom object at
// (0, 0) with row 0, "添加热区" is enabled and the status line reports the size.
void installBackground(HotspotEditor& editor, Picture picture, std::string address);

// The end of a load of `address`: a picture becomes the background; a failure leaves the editor
// as it was and reports "图片载入失败：" with its cause. Either way the address is remembered in
// <program dir>/pz.ini.
void finishLoad(HotspotEditor& editor, const std::string& programDir, const std::string& address,
                Result<Picture> result);

// Moves the background to an edge or the centre of the canvas and carries every hotspot along.
void alignBackground(HotspotEditor& editor, Alignment where);

// Where `where` puts a background of the given size on a canvas (pure).
Point alignedPosition(Alignment where, const Rect& background, int canvasWidth, int canvasHeight);

// The remembered address in <program dir>/pz.ini: written after every load, read by "读取备份".
std::string readRememberedAddress(const std::string& programDir);
void rememberAddress(const std::string& programDir, const std::string& address);

}  // namespace velquist
