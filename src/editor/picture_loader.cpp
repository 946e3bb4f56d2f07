// Background picture loading: from the web or from a file on this computer.
#include "editor/picture_loader.h"

#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

#include "core/address.h"
#include "core/file_io.h"
#include "core/page_picture.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "editor/messages.h"
#include "pictures/picture_decoder.h"
#include "pictures/picture_stack.h"

namespace velquist {
namespace {

Status tooLarge(uint64_t maxBytes) {
    return Status::failure(
        StatusCode::TooLarge,
        fillTemplate(editor_messages::kFileOverLimit, {{"{上限}", formatByteSize(maxBytes)}}));
}

Result<Picture> fetchPicture(const std::string& address, const std::atomic<bool>* cancel,
                             const HttpLimits& limits, const HttpProgressHandler& onProgress) {
    auto response = httpGet(address, cancel, limits, onProgress);
    if (!response) {
        return response.status();
    }
    // Servers sometimes send the picture with an error status; the data decides, and the
    // status explains a failure better than "not a picture" does.
    auto picture = decodePicture(response->body);
    if (!picture && (response->status < 200 || response->status >= 300)) {
        return Status::failure(std::string(editor_messages::kHttpStatus) +
                               formatNumber(response->status));
    }
    return picture;
}

Result<Picture> loadOnePicture(const std::string& address, const std::atomic<bool>* cancel,
                               const HttpLimits& limits, const HttpProgressHandler& onProgress) {
    const ClassifiedAddress where = classifyAddress(address);
    switch (where.kind) {
        case AddressKind::Web:
            return fetchPicture(address, cancel, limits, onProgress);
        case AddressKind::LocalFile:
            break;
        case AddressKind::Refused:
            return Status::failure(where.reason);
    }
    auto bytes = readPictureFile(where.path, limits.maxBytes, cancel);
    if (!bytes) {
        return bytes.status();
    }
    return decodePicture(*bytes);
}

// The pictures of a page, at most four fetched at once; the page's progress is the sum of
// theirs. The first failure (in page order) names its picture and ends the page.
class PageLoad {
public:
    PageLoad(std::vector<std::string> addresses, const std::atomic<bool>* cancel,
             const HttpLimits& limits, const HttpProgressHandler& onProgress)
        : m_addresses(std::move(addresses)),
          m_cancel(cancel),
          m_limits(limits),
          m_onProgress(onProgress),
          m_results(m_addresses.size(), Result<Picture>(Picture{})),
          m_progress(m_addresses.size()) {}

    Result<Picture> run() {
        std::vector<std::thread> workers;
        const size_t count = std::min<size_t>(kConcurrentFetches, m_addresses.size());
        for (size_t i = 0; i < count; ++i) {
            workers.emplace_back([this] { work(); });
        }
        for (std::thread& worker : workers) {
            worker.join();
        }
        std::vector<const Picture*> pictures;
        for (size_t i = 0; i < m_results.size(); ++i) {
            if (!m_results[i]) {
                return failedPicture(i);
            }
            pictures.push_back(&*m_results[i]);
        }
        return stackPictures(pictures);
    }

private:
    static constexpr size_t kConcurrentFetches = 4;

    void work() {
        for (size_t i = m_next++; i < m_addresses.size() && !m_failed; i = m_next++) {
            m_results[i] = loadOnePicture(m_addresses[i], m_cancel, m_limits,
                                          [this, i](const HttpProgress& p) { report(i, p); });
            m_failed = m_failed || !m_results[i];
        }
    }

    void report(size_t index, const HttpProgress& progress) {
        if (!m_onProgress) {
            return;
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_progress[index] = progress;
        HttpProgress page{0, uint64_t{0}};
        for (const HttpProgress& p : m_progress) {
            page.received += p.received;
            page.total =
                page.total && p.total ? std::optional(*page.total + *p.total) : std::nullopt;
        }
        m_onProgress(page);
    }

    Status failedPicture(size_t index) const {
        const Status cause = m_results[index].status();
        if (cause.code() == StatusCode::Cancelled) {
            return cause;
        }
        const std::string which = fillTemplate(
            editor_messages::kPagePictureFailed,
            {{"{序号}", formatNumber(int64_t(index) + 1)}, {"{地址}", m_addresses[index]}});
        return Status::failure(cause.code(), which + cause.message());
    }

    std::vector<std::string> m_addresses;
    const std::atomic<bool>* m_cancel;
    const HttpLimits& m_limits;
    const HttpProgressHandler& m_onProgress;
    std::vector<Result<Picture>> m_results;
    std::vector<HttpProgress> m_progress;
    std::mutex m_mutex;
    std::atomic<size_t> m_next{0};
    std::atomic<bool> m_failed{false};
};

constexpr std::string_view kBlanks = " \t\r\n\f\v";

// The lines of `text` that hold more than blanks.
std::vector<std::string> filledLines(std::string_view text) {
    std::vector<std::string> lines;
    for (const std::string& line : pageAddresses(text)) {
        if (!trimmed(line, kBlanks).empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace

Result<std::string> readPictureFile(const std::string& path, uint64_t maxBytes,
                                    const std::atomic<bool>* cancel) {
    Result<std::string> read = readWholeFile(path, maxBytes, cancel);
    switch (read.code()) {
        case StatusCode::Ok:
        case StatusCode::Cancelled:
            return read;
        case StatusCode::NotFound:
            return Status::failure(StatusCode::NotFound, editor_messages::kFileMissing);
        case StatusCode::Folder:
            return Status::failure(StatusCode::Folder, editor_messages::kFileIsFolder);
        case StatusCode::NotRegular:
            return Status::failure(StatusCode::NotRegular, editor_messages::kFileNotRegular);
        case StatusCode::TooLarge:
            return tooLarge(maxBytes);
        default:
            return Status::failure(read.code(), editor_messages::kFileUnreadable + read.error());
    }
}

bool addressAccepted(std::string_view address) {
    return classifyAddress(address).kind != AddressKind::Refused;
}

Result<std::string> acceptAddress(std::string_view typed) {
    const std::vector<std::string> lines = filledLines(typed);
    if (lines.size() <= 1) {
        const ClassifiedAddress where = classifyAddress(typed);
        if (where.kind == AddressKind::Refused) {
            return Status::failure(where.reason);
        }
        return std::string(trimmed(typed, kBlanks));
    }
    if (lines.size() > size_t(kMaxPagePictures)) {
        return Status::failure(fillTemplate(editor_messages::kTooManyPagePictures,
                                            {{"{上限}", formatNumber(kMaxPagePictures)},
                                             {"{数量}", formatNumber(int64_t(lines.size()))}}));
    }
    // A pasted list of a page's pictures: every line must be an address of its own.
    std::string page;
    for (size_t i = 0; i < lines.size(); ++i) {
        Result<std::string> line = acceptAddress(lines[i]);
        if (!line) {
            return Status::failure(fillTemplate(editor_messages::kAddressLine,
                                                {{"{序号}", formatNumber(int64_t(i) + 1)}}) +
                                   line.error());
        }
        page += (i == 0 ? "" : "\n") + *line;
    }
    return page;
}

Result<Picture> loadPicture(const std::string& address, const std::atomic<bool>* cancel,
                            const HttpLimits& limits, const HttpProgressHandler& onProgress) {
    std::vector<std::string> addresses = filledLines(address);
    if (addresses.size() <= 1) {
        return loadOnePicture(address, cancel, limits, onProgress);
    }
    return PageLoad(std::move(addresses), cancel, limits, onProgress).run();
}

}  // namespace velquist
