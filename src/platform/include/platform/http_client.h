// One HTTP or HTTPS GET, with limits, cancellation and failures in plain words.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

// Bounds on one fetch; the defaults are the program's limits, tests pass small ones.
struct HttpLimits {
    uint64_t maxBytes = uint64_t{64} << 20;            // largest body accepted
    std::chrono::milliseconds connectTimeout{30'000};  // to get a connection at all
    std::chrono::milliseconds stallTimeout{60'000};    // longest wait without any data
    std::chrono::milliseconds totalTimeout{300'000};   // longest whole fetch, however it flows
    int maxRedirects = 10;
};

// What the server answered. The body is kept whatever the status; the caller decides.
struct HttpResponse {
    long status = 0;
    std::string body;
};

// How much of the body has arrived, and its length when the server announced one.
struct HttpProgress {
    uint64_t received = 0;
    std::optional<uint64_t> total;
};
using HttpProgressHandler = std::function<void(const HttpProgress&)>;

// Fetches `url` with one GET over a direct connection (proxy settings of the environment are
// ignored), asking for HTTP/1.0 with "Accept: */*" and the old browser user agent the maker's
// servers expect. Only http and https addresses are fetched, redirects included. Nothing is
// cached. Blanks around `url` are ignored; blanks, control characters and non-ASCII bytes inside
// it are sent percent-encoded. Setting `*cancel` from another thread ends the fetch within about a
// second. `onProgress`, when given, is called on the fetching thread each time more of the body
// has arrived (as often as the network delivers: a caller that shows it paces it).
Result<HttpResponse> httpGet(std::string_view url, const std::atomic<bool>* cancel = nullptr,
                             const HttpLimits& limits = {},
                             const HttpProgressHandler& onProgress = {});

}  // namespace velquist
