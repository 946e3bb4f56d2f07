// One HTTP or HTTPS GET, with limits, cancellation and failures in plain words.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

// Bounds on one fetch; the defaults are the program's limits, tests pass small ones.
struct HttpLimits {
    uint64_t maxBytes = uint64_t{64} << 20;            // largest body accepted
    std::chrono::milliseconds connectTimeout{30'000};  // to get a connection at all
    std::chrono::milliseconds stallTimeout{60'000};    // longest wait without any data
    int maxRedirects = 10;
};

// What the server answered. The body is kept whatever the status; the caller decides.
struct HttpResponse {
    long status = 0;
    std::string body;
};

// Fetches `url` with one GET over a direct connection (proxy settings of the environment are
// ignored), asking for HTTP/1.0 with "Accept: */*" and the old browser user agent the maker's
// servers expect. Only http and https addresses are fetched, redirects included. Nothing is
// cached. Blanks around `url` are ignored; blanks, control characters and non-ASCII bytes inside
// it are sent percent-encoded. Setting `*cancel` from another thread ends the fetch within about a second.
Result<HttpResponse> httpGet(std::string_view url, const std::atomic<bool>* cancel = nullptr,
                             const HttpLimits& limits = {});

}  // namespace velquist
