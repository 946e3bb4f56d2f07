// What a designer should know about generated code before it goes out.
#pragma once

#include <string>

#include "codegen/image_map.h"

namespace velquist {

// One line for the main window's status line after "生成代码", or empty when all is well. Most
// harmful first: no picture address or one on this computer; links without a scheme
// ("item.taobao.com/..." is a broken relative link on the page), with blanks inside, empty or
// "#"; areas that overlap on the picture, named with the one the page gives the click to (the
// earlier in the code, though the editor draws the later on top); hotspots not wholly inside the
// picture; a picture that is not https; tips empty or still the content window's default.
std::string codeNotice(const ImageMapInput& input);

}  // namespace velquist
