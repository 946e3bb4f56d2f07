// The read loop both systems' readWholeFile share; only the call that reads differs.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>

#include "core/file_io.h"
#include "core/messages.h"

namespace velquist {

// Small reads let a cancelled read of a large file on a slow share end soon.
inline constexpr size_t kBoundedReadChunk = size_t{1} << 20;

inline Status fileTooLarge() {
    return Status::failure(StatusCode::TooLarge, core_messages::kFileTooLarge);
}

// Reads until the end into a buffer sized for `expectedSize`; the spare byte shows a file that
// grew since its size was taken (and /proc's files, which say they are empty). `readSome(data,
// count, failure)` returns the bytes read, or 0 at the end or after setting `failure`.
template <typename ReadSome>
Result<std::string> readToEnd(uint64_t expectedSize, uint64_t maxBytes,
                              const std::atomic<bool>* cancel, ReadSome readSome) {
    if (expectedSize > maxBytes) {
        return fileTooLarge();
    }
    std::string bytes(static_cast<size_t>(expectedSize) + 1, '\0');
    size_t done = 0;
    while (true) {
        if (done == bytes.size()) {
            if (done > maxBytes) {
                return fileTooLarge();
            }
            bytes.resize(static_cast<size_t>(std::min<uint64_t>(maxBytes + 1, uint64_t{done} * 2)));
        }
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            return Status::failure(StatusCode::Cancelled, core_messages::kReadCancelled);
        }
        Status failure;  // stays a success while reads succeed
        const size_t n = readSome(bytes.data() + done,
                                  std::min(kBoundedReadChunk, bytes.size() - done), failure);
        if (!failure) {
            return failure;
        }
        if (n == 0) {
            break;
        }
        done += n;
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace velquist
