// The libcurl functions the HTTP client calls, reached through one table so that a system
// whose libcurl is a heavy shared library can load it on the first fetch instead of at start.
#pragma once

#include <curl/curl.h>

#include <string>

namespace velquist {

struct CurlLibrary {
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_perform) easy_perform;
    decltype(&curl_easy_strerror) easy_strerror;
    decltype(&curl_free) free;
    decltype(&curl_slist_append) slist_append;
    decltype(&curl_slist_free_all) slist_free_all;
    decltype(&curl_url) url;
    decltype(&curl_url_cleanup) url_cleanup;
    decltype(&curl_url_get) url_get;
    decltype(&curl_url_set) url_set;
};

// The library, initialised once (thread-safe); null when it cannot be loaded or initialised,
// with the reason in `why` for the user's message.
const CurlLibrary* curlLibrary(std::string& why);

}  // namespace velquist
