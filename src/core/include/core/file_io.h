// Whole-file reads and atomic whole-file writes, with failures in plain words.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "core/status.h"

namespace velquist {

// Reads a regular file of at most `maxBytes`. Devices and pipes are refused without waiting on
// them, and `cancel` (may be null) is checked between reads so that a slow share cannot hold
// the caller. A failure's code is NotFound, Folder, NotRegular, TooLarge, Cancelled, Access or
// Failed, for callers that word each case themselves; its message is the cause in words.
Result<std::string> readWholeFile(const std::string& path, uint64_t maxBytes = 256u << 20,
                                  const std::atomic<bool>* cancel = nullptr);

// Writes `bytes` to a temporary file in the same folder and renames it over `path`, so that a
// failure never leaves a half-written file behind. An existing file keeps its permissions.
Status writeFileAtomically(const std::string& path, const std::string& bytes);

bool pathExists(const std::string& path);

// Whether a new file can be made in `dir`, found out by making (and removing) one: permission
// bits, access lists and read-only disks all count.
bool canCreateFilesIn(const std::string& dir);

// Puts the file `from` in the place of `to` in one step, replacing what is there.
Status replaceFile(const std::string& from, const std::string& to);

// Removes a file; a file that is not there is no failure.
void removeFile(const std::string& path);

// Lets a written program file be started, or not (on Windows its name alone decides).
Status setExecutable(const std::string& path, bool executable);

// A short cause for an errno value, in the user's language.
std::string describeErrno(int err);

// That cause, with the kind of failure the errno value is.
Status errnoFailure(int err);

}  // namespace velquist
