// Fetching or reading, then decoding, a background picture (runs on the loader's worker thread).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "core/status.h"
#include "editor/picture.h"
#include "platform/http_client.h"

namespace velquist {

// Loads what `address` names (classifyAddress decides): a web address is fetched, a file on
// this computer is read, both within `limits.maxBytes`; then the bytes are decoded. A failure
// carries its cause in plain words: why the address is refused, the network or file error, the
// server's HTTP status, or why the data is not a usable picture.
Result<Picture> loadPicture(const std::string& address, const std::atomic<bool>* cancel,
                            const HttpLimits& limits = {});

// The bytes of a file on this computer, refusing files larger than `maxBytes`. Failures say
// whether the file is missing, a folder or no regular file, unreadable (and why), or too large.
Result<std::string> readPictureFile(const std::string& path, uint64_t maxBytes,
                                    const std::atomic<bool>* cancel = nullptr);

// Hands each new load a number so that only the newest load's result is installed.
class LoadSequence {
public:
    uint64_t begin() { return ++m_latest; }
    bool isLatest(uint64_t load) const { return load == m_latest; }

private:
    uint64_t m_latest = 0;
};

}  // namespace velquist
