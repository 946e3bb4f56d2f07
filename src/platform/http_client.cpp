// HTTP GET through libcurl.
#include "platform/http_client.h"

#include <memory>

#include "core/template_fill.h"
#include "core/text.h"
#include "curl_library.h"
#include "platform/messages.h"
#include "socket_errors.h"

namespace velquist {
namespace {

using Clock = std::chrono::steady_clock;
namespace text = platform_messages;

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr const char* kAllowedSchemes = "http,https";

// Why our own callbacks stopped a transfer; curl only sees "aborted" or "write error".
enum class StopReason { None, TooLarge, Stalled, TookTooLong, Cancelled };

struct Transfer {
    const CurlLibrary& lib;
    CURL* curl;
    const HttpLimits& limits;
    const std::atomic<bool>* cancel;
    const HttpProgressHandler& onProgress;
    std::string body;
    Clock::time_point started = Clock::now();
    curl_off_t reported = 0;     // body bytes last passed to onProgress
    bool connected = false;      // until then the connect time-out applies, not the stall limit
    bool sawStatusLine = false;  // of the current request; curl passes no header without one
    Clock::time_point lastActivity = Clock::now();
    StopReason stop = StopReason::None;
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const size_t n = size * count;
    t.lastActivity = Clock::now();
    // The server's Content-Length is checked by curl, but a body without one only shows here.
    if (t.body.size() + n > t.limits.maxBytes) {
        t.stop = StopReason::TooLarge;
        return 0;
    }
    // An announced length within the limit is taken at its word: the body then grows without
    // a copy, and a large picture does not briefly need twice its size.
    curl_off_t announced = -1;
    if (t.body.empty() &&
        t.lib.easy_getinfo(t.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced) == CURLE_OK &&
        announced > 0 && static_cast<uint64_t>(announced) <= t.limits.maxBytes) {
        t.body.reserve(static_cast<size_t>(announced));
    }
    t.body.append(data, n);
    return n;
}

size_t onHeader(char*, size_t size, size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    t.lastActivity = Clock::now();
    t.sawStatusLine = true;
    return size * count;
}

// Runs once a connection stands, before the request goes out (again after each redirect).
int onConnected(void* user, char*, char*, int, int) {
    auto& t = *static_cast<Transfer*>(user);
    t.connected = true;
    t.sawStatusLine = false;
    t.lastActivity = Clock::now();
    return CURL_PREREQFUNC_OK;
}

// Runs often while data flows and about once a second while the transfer waits.
int onProgress(void* user, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t) {
    auto& t = *static_cast<Transfer*>(user);
    if (t.cancel != nullptr && t.cancel->load(std::memory_order_relaxed)) {
        t.stop = StopReason::Cancelled;
        return 1;
    }
    const Clock::time_point now = Clock::now();
    if (t.connected && now - t.lastActivity > t.limits.stallTimeout) {
        t.stop = StopReason::Stalled;
        return 1;
    }
    if (now - t.started > t.limits.totalTimeout) {
        t.stop = StopReason::TookTooLong;
        return 1;
    }
    if (t.onProgress && received > t.reported) {
        t.reported = received;
        // curl says 0 for a length the server did not send.
        t.onProgress(
            {static_cast<uint64_t>(received),
             total > 0 ? std::optional<uint64_t>(static_cast<uint64_t>(total)) : std::nullopt});
    }
    return 0;
}

std::string seconds(std::chrono::milliseconds ms) {
    return formatNumber((ms.count() + 999) / 1000);
}

// "5 分钟" for whole minutes, else "90 秒".
std::string duration(std::chrono::milliseconds ms) {
    if (ms.count() > 0 && ms.count() % 60'000 == 0) {
        return fillTemplate(text::kMinutes, {{"{数}", formatNumber(ms.count() / 60'000)}});
    }
    return fillTemplate(text::kSeconds, {{"{数}", seconds(ms)}});
}

std::string describeStop(StopReason stop, const HttpLimits& limits) {
    switch (stop) {
        case StopReason::TooLarge:
            return fillTemplate(text::kTooLarge, {{"{上限}", formatByteSize(limits.maxBytes)}});
        case StopReason::Stalled:
            return fillTemplate(text::kStalled, {{"{秒}", seconds(limits.stallTimeout)}});
        case StopReason::TookTooLong:
            return fillTemplate(text::kTookTooLong, {{"{时限}", duration(limits.totalTimeout)}});
        case StopReason::Cancelled:
            return text::kCancelled;
        case StopReason::None:
            break;
    }
    return text::kNetworkError;
}

StatusCode stopCode(StopReason stop) {
    switch (stop) {
        case StopReason::TooLarge:
            return StatusCode::TooLarge;
        case StopReason::Cancelled:
            return StatusCode::Cancelled;
        default:
            return StatusCode::Network;
    }
}

std::string describeCurlFailure(CURLcode code, long osErrno, const Transfer& t) {
    const HttpLimits& limits = t.limits;
    switch (code) {
        case CURLE_UNSUPPORTED_PROTOCOL:
            // Also curl's answer to a reply without a status line (which it would read as
            // HTTP/0.9); a redirect to another scheme comes after a status line.
            return t.connected && !t.sawStatusLine ? text::kNotHttp : text::kUnsupportedScheme;
        case CURLE_URL_MALFORMAT:
            return text::kBadAddress;
        case CURLE_COULDNT_RESOLVE_HOST:
            return text::kCannotResolve;
        case CURLE_COULDNT_CONNECT:
            return isConnectionRefused(osErrno) ? text::kConnectionRefused : text::kCannotConnect;
        case CURLE_OPERATION_TIMEDOUT:
            return fillTemplate(text::kConnectTimedOut, {{"{秒}", seconds(limits.connectTimeout)}});
        case CURLE_FILESIZE_EXCEEDED:
            return describeStop(StopReason::TooLarge, limits);
        case CURLE_TOO_MANY_REDIRECTS:
            return text::kTooManyRedirects;
        case CURLE_GOT_NOTHING:
            return text::kNothingReceived;
        case CURLE_PARTIAL_FILE:
            return text::kConnectionCut;
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
            return isConnectionReset(osErrno) ? text::kConnectionReset : text::kConnectionCut;
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CACERT_BADFILE:
            return text::kSecureConnection;
        default:
            return std::string(text::kNetworkError) + "（" + t.lib.easy_strerror(code) + "）";
    }
}

// An address as people paste it: blanks around it dropped, and the bytes a request line cannot
// carry (blanks, control characters, non-ASCII text such as a Chinese file name) percent-encoded
// as a browser sends them. Everything else, "%" included, stays as written.
std::string requestAddress(std::string_view url) {
    url = trimmed(url, " \t\r\n\f\v");
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(url.size());
    for (const char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

// Refuses anything but an http or https address before curl sees it.
Status checkAddress(const CurlLibrary& lib, std::string_view url) {
    std::unique_ptr<CURLU, decltype(lib.url_cleanup)> parsed(lib.url(), lib.url_cleanup);
    if (!parsed || lib.url_set(parsed.get(), CURLUPART_URL, std::string(url).c_str(),
                               CURLU_NON_SUPPORT_SCHEME) != CURLUE_OK) {
        return Status::failure(text::kBadAddress);
    }
    char* scheme = nullptr;
    if (lib.url_get(parsed.get(), CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK) {
        return Status::failure(text::kBadAddress);
    }
    const bool allowed =
        equalsIgnoreAsciiCase(scheme, "http") || equalsIgnoreAsciiCase(scheme, "https");
    lib.free(scheme);
    return allowed ? Status() : Status::failure(text::kUnsupportedScheme);
}

void configure(CURL* curl, const std::string& url, Transfer& t, curl_slist* headers) {
    const auto set = t.lib.easy_setopt;
    set(curl, CURLOPT_URL, url.c_str());
    set(curl, CURLOPT_HTTPGET, 1L);
    set(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    set(curl, CURLOPT_USERAGENT, kUserAgent);
    set(curl, CURLOPT_HTTPHEADER, headers);
    set(curl, CURLOPT_PROTOCOLS_STR, kAllowedSchemes);
    set(curl, CURLOPT_REDIR_PROTOCOLS_STR, kAllowedSchemes);
    set(curl, CURLOPT_FOLLOWLOCATION, 1L);
    set(curl, CURLOPT_MAXREDIRS, static_cast<long>(t.limits.maxRedirects));
    // An empty proxy and "*" for no-proxy keep http_proxy and friends out of the way.
    set(curl, CURLOPT_PROXY, "");
    set(curl, CURLOPT_NOPROXY, "*");
    set(curl, CURLOPT_NOSIGNAL, 1L);
    set(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(t.limits.connectTimeout.count()));
    set(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(t.limits.maxBytes));
    // No Accept-Encoding: a small compressed body must not expand past the size limit unseen.
    set(curl, CURLOPT_WRITEFUNCTION, onBody);
    set(curl, CURLOPT_WRITEDATA, &t);
    set(curl, CURLOPT_HEADERFUNCTION, onHeader);
    set(curl, CURLOPT_HEADERDATA, &t);
    set(curl, CURLOPT_PREREQFUNCTION, onConnected);
    set(curl, CURLOPT_PREREQDATA, &t);
    set(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    set(curl, CURLOPT_XFERINFODATA, &t);
    set(curl, CURLOPT_NOPROGRESS, 0L);
}

}  // namespace

Result<HttpResponse> httpGet(std::string_view url, const std::atomic<bool>* cancel,
                             const HttpLimits& limits, const HttpProgressHandler& onProgress) {
    std::string why;
    const CurlLibrary* lib = curlLibrary(why);
    if (lib == nullptr) {
        return Status::failure(std::string(text::kNoNetworkLibrary) + "（" + why + "）");
    }
    const std::string address = requestAddress(url);
    if (Status checked = checkAddress(*lib, address); !checked) {
        return checked;
    }
    std::unique_ptr<CURL, decltype(lib->easy_cleanup)> curl(lib->easy_init(), lib->easy_cleanup);
    std::unique_ptr<curl_slist, decltype(lib->slist_free_all)> headers(
        lib->slist_append(nullptr, "Accept: */*"), lib->slist_free_all);
    if (!curl || !headers) {
        return Status::failure(text::kNoNetworkLibrary);
    }
    Transfer transfer{*lib, curl.get(), limits, cancel, onProgress, {}};
    configure(curl.get(), address, transfer, headers.get());
    const CURLcode code = lib->easy_perform(curl.get());
    if (transfer.stop != StopReason::None) {
        return Status::failure(stopCode(transfer.stop), describeStop(transfer.stop, limits));
    }
    if (code != CURLE_OK) {
        long osErrno = 0;
        lib->easy_getinfo(curl.get(), CURLINFO_OS_ERRNO, &osErrno);
        return Status::failure(
            code == CURLE_FILESIZE_EXCEEDED ? StatusCode::TooLarge : StatusCode::Network,
            describeCurlFailure(code, osErrno, transfer));
    }
    HttpResponse response;
    lib->easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &response.status);
    response.body = std::move(transfer.body);
    return response;
}

}  // namespace velquist
