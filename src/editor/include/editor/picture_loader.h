// Fetching and decoding a background picture (runs on the loader's worker thread).
#pragma once

#include <atomic>
#include <string>
#include <string_view>

#include "core/status.h"
#include "pictures/picture.h"
#include "platform/http_client.h"

namespace velquist {

// An address is taken when it contains "http" anywhere (letter case as written).
bool addressAccepted(std::string_view address);

// Fetches `address` and decodes the answer. A failure carries its cause in plain words: the
// network error, the server's HTTP status, or why the data is not a usable picture.
Result<Picture> loadPicture(const std::string& address, const std::atomic<bool>* cancel,
                            const HttpLimits& limits = {});

// Hands each new load a number so that only the newest load's result is installed.
class LoadSequence {
public:
    uint64_t begin() { return ++m_latest; }
    bool isLatest(uint64_t load) const { return load == m_latest; }

private:
    uint64_t m_latest = 0;
};

}  // namespace velquist
