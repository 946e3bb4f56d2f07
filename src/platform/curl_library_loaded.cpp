// libcurl loaded on the first fetch. The system's libcurl brings some thirty libraries (TLS,
// Kerberos, LDAP, RTMP…) whose loading and initialisers cost more than showing the whole window
// and about 5 MB; a session that fetches nothing never pays for them, and a fetch runs on a
// worker thread, so the window does not wait for them either.
#include <dlfcn.h>

#include "curl_library.h"

namespace velquist {
namespace {

constexpr const char* kSoname = "libcurl.so.4";  // libcurl's binary interface since 2006

template <typename Function>
bool find(void* handle, const char* name, Function& function, std::string& missing) {
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    if (function == nullptr) {
        missing = name;
    }
    return function != nullptr;
}

struct Loaded {
    CurlLibrary functions{};
    std::string why;  // empty when loaded and initialised
};

Loaded load() {
    Loaded loaded;
    void* handle = ::dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* error = ::dlerror();
        loaded.why = error != nullptr ? error : kSoname;
        return loaded;
    }
    // Kept loaded for the life of the process: curl's own threads and handles may outlive any
    // one fetch.
    CurlLibrary& f = loaded.functions;
    std::string missing;
    decltype(&curl_global_init) globalInit = nullptr;
    const bool complete = find(handle, "curl_global_init", globalInit, missing) &&
                          find(handle, "curl_easy_init", f.easy_init, missing) &&
                          find(handle, "curl_easy_cleanup", f.easy_cleanup, missing) &&
                          find(handle, "curl_easy_setopt", f.easy_setopt, missing) &&
                          find(handle, "curl_easy_getinfo", f.easy_getinfo, missing) &&
                          find(handle, "curl_easy_perform", f.easy_perform, missing) &&
                          find(handle, "curl_easy_strerror", f.easy_strerror, missing) &&
                          find(handle, "curl_free", f.free, missing) &&
                          find(handle, "curl_slist_append", f.slist_append, missing) &&
                          find(handle, "curl_slist_free_all", f.slist_free_all, missing) &&
                          find(handle, "curl_url", f.url, missing) &&
                          find(handle, "curl_url_cleanup", f.url_cleanup, missing) &&
                          find(handle, "curl_url_get", f.url_get, missing) &&
                          find(handle, "curl_url_set", f.url_set, missing);
    if (!complete) {
        loaded.why = std::string(kSoname) + ": " + missing;
    } else if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        loaded.why = "curl_global_init";
    }
    return loaded;
}

}  // namespace

const CurlLibrary* curlLibrary(std::string& why) {
    // A function-local static: loaded and initialised exactly once, whichever thread asks first.
    static const Loaded loaded = load();
    why = loaded.why;
    return loaded.why.empty() ? &loaded.functions : nullptr;
}

}  // namespace velquist
