// libcurl linked into the program (the Windows build links its static library).
#include "curl_library.h"

namespace velquist {

const CurlLibrary* curlLibrary(std::string& why) {
    static const CurlLibrary linked{curl_easy_init,    curl_easy_cleanup, curl_easy_setopt,
                                    curl_easy_getinfo, curl_easy_perform, curl_easy_strerror,
                                    curl_free,         curl_slist_append, curl_slist_free_all,
                                    curl_url,          curl_url_cleanup,  curl_url_get,
                                    curl_url_set};
    // curl_global_init is not thread-safe; a function-local static runs it exactly once.
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!ready) {
        why = "curl_global_init";
        return nullptr;
    }
    return &linked;
}

}  // namespace velquist
