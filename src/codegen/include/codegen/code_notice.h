// What a designer should know about generated code before it goes out.
#pragma once

#include <string>

#include "codegen/image_map.h"

namespace velquist {

// One line for the main window's status line after "生成代码", or empty when all is well. It
// counts hotspots whose link is empty or "#" (blanks aside), hotspots not wholly inside the
// picture, and hotspots wholly covered by one later in the table (drawn over them), and says
// when there is no picture address, or it names a file on this computer, or is not https.
std::string codeNotice(const ImageMapInput& input);

}  // namespace velquist
