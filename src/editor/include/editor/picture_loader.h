// Fetching or reading, then decoding, a background picture (runs on the loader's worker thread).
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/status.h"
#include "pictures/picture.h"
#include "platform/http_client.h"

namespace velquist {

// An address is taken when it is a web address (http:// or https://, in any letter case) or a
// file on this computer (classifyAddress decides).
bool addressAccepted(std::string_view address);

// The address as typed or pasted, made ready to load: blanks and line breaks around it dropped,
// so the stored address, the code and pz.ini hold the same text. A refused address fails with
// the one line that tells the user what is wanted. Several lines (blank ones dropped) are the
// pictures of a stacked page, top to bottom, each line an address of its own (a refused line is
// named by its number).
Result<std::string> acceptAddress(std::string_view typed);

// Loads what `address` names (classifyAddress decides): a web address is fetched, a file on
// this computer is read, both within `limits.maxBytes`; then the bytes are decoded. A failure
// carries its cause in plain words: why the address is refused, the network or file error, the
// server's HTTP status, or why the data is not a usable picture. A fetch's progress goes to
// `onProgress`, one call at a time. An address of several lines is a stacked page: its pictures
// are loaded at most four at once and stacked (see stackPictures); a picture that fails names
// its number and address.
Result<Picture> loadPicture(const std::string& address, const std::atomic<bool>* cancel,
                            const HttpLimits& limits = {},
                            const HttpProgressHandler& onProgress = {});

// The bytes of a file on this computer, refusing files larger than `maxBytes`. Failures say
// whether the file is missing, a folder or no regular file, unreadable (and why), or too large.
Result<std::string> readPictureFile(const std::string& path, uint64_t maxBytes,
                                    const std::atomic<bool>* cancel = nullptr);

// Lets through the first of a stream of progress reports and then at most one per interval, so
// that a fast download does not flood the user-interface thread with status texts.
class ProgressPace {
public:
    using Clock = std::chrono::steady_clock;
    explicit ProgressPace(Clock::duration interval) : m_interval(interval) {}
    bool due(Clock::time_point now) {
        if (m_passed && now - m_last < m_interval) {
            return false;
        }
        m_passed = true;
        m_last = now;
        return true;
    }

private:
    Clock::duration m_interval;
    Clock::time_point m_last;
    bool m_passed = false;
};

// Hands each new load a number so that only the newest load's result is installed.
class LoadSequence {
public:
    uint64_t begin() { return ++m_latest; }
    bool isLatest(uint64_t load) const { return load == m_latest; }

private:
    uint64_t m_latest = 0;
};

}  // namespace velquist
