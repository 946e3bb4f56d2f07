// The updater's work: compare the running version with the published one and fetch a newer one.
#pragma once

#include <string>

#include "core/status.h"
#include "platform/http_client.h"

namespace velquist {

// Reads the hand-over file in `programDir`, fetches the version file it names and, when the
// published version differs from the running one, downloads the new program into `programDir`
// under a name of its own (the running program is never replaced). The download is made
// runnable only when its SHA-256 matches the published one; otherwise it is kept and the text
// says why it was not. Returns what happened, or why it could not be done.
Result<std::string> runUpdate(const std::string& programDir, const HttpLimits& limits = {});

// File name for a downloaded program: product and version, reduced to characters that are safe
// in a file name, so that a version text can never point outside the program directory.
std::string newProgramName(std::string_view product, std::string_view version);

}  // namespace velquist
