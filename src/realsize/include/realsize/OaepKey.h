#pragma once

// The key made here, handed to OpenSSL 3 as an EVP_PKEY built from its
// numbers (n, e, d, p, q and the CRT values derived from them), so that OAEP
// padding is OpenSSL's and never ours.

#include "realsize/BigKey.h"

#include <string>

// OpenSSL's key type, named here so that its headers stay in OaepKey.cpp.
struct evp_pkey_st;

namespace rsa::realsize {

class OaepKey {
public:
    explicit OaepKey(const BigKey& key);
    ~OaepKey();
    OaepKey(const OaepKey&) = delete;
    OaepKey& operator=(const OaepKey&) = delete;

    // RSA-OAEP with SHA-256 for the digest and MGF1; throws
    // std::runtime_error with OpenSSL's reason on failure.
    std::string encrypt(const std::string& plain) const;
    std::string decrypt(const std::string& cipher) const;

private:
    ::evp_pkey_st* m_key = nullptr;
};

} // namespace rsa::realsize
