// SHA-256 through Windows' own cryptography (CNG), which every Windows has: no OpenSSL to ship.
#include <windows.h>
// bcrypt.h needs windows.h first.
#include <bcrypt.h>

#include <algorithm>

#include "updater/sha256.h"

namespace velquist {

namespace {

// Hashes with a fresh provider; true when every step worked.
bool sha256(std::string_view bytes, unsigned char (&digest)[32]) {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!BCRYPT_SUCCESS(
            ::BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
        return false;
    }
    BCRYPT_HASH_HANDLE hash = nullptr;
    bool done = BCRYPT_SUCCESS(::BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0));
    // Fed in pieces: a ULONG counts at most 4 GiB.
    auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
    for (size_t at = 0; done && at < bytes.size();) {
        const ULONG piece = static_cast<ULONG>(std::min<size_t>(bytes.size() - at, 1u << 30));
        done = BCRYPT_SUCCESS(::BCryptHashData(hash, data + at, piece, 0));
        at += piece;
    }
    done = done && BCRYPT_SUCCESS(::BCryptFinishHash(hash, digest, sizeof digest, 0));
    if (hash != nullptr) {
        ::BCryptDestroyHash(hash);
    }
    ::BCryptCloseAlgorithmProvider(algorithm, 0);
    return done;
}

}  // namespace

std::string sha256Hex(std::string_view bytes) {
    unsigned char digest[32];
    if (!sha256(bytes, digest)) {
        return {};
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : digest) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 0xF];
    }
    return hex;
}

}  // namespace velquist
