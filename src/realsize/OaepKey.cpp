#include "realsize/OaepKey.h"

#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/param_build.h>
#include <openssl/rsa.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace rsa::realsize {

namespace {

[[noreturn]] void fail(const char* what) {
    char reason[256] = {};
    ERR_error_string_n(ERR_get_error(), reason, sizeof reason);
    throw std::runtime_error(std::string(what) + ": " + reason);
}

struct BignumFree {
    void operator()(BIGNUM* number) const { BN_clear_free(number); }
};
using Bignum = std::unique_ptr<BIGNUM, BignumFree>;

Bignum toBignum(const mpz_class& number) {
    std::vector<unsigned char> bytes((mpz_sizeinbase(number.get_mpz_t(), 2) + 7) / 8);
    std::size_t written = 0;
    mpz_export(bytes.data(), &written, 1, 1, 1, 0, number.get_mpz_t());
    Bignum result(BN_bin2bn(bytes.data(), static_cast<int>(written), nullptr));
    if (!result) {
        fail("BN_bin2bn");
    }
    return result;
}

struct ContextFree {
    void operator()(EVP_PKEY_CTX* context) const { EVP_PKEY_CTX_free(context); }
};
using Context = std::unique_ptr<EVP_PKEY_CTX, ContextFree>;

Context oaepContext(EVP_PKEY* key, int (*init)(EVP_PKEY_CTX*)) {
    Context context(EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr));
    if (!context || init(context.get()) <= 0 ||
        EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_PKCS1_OAEP_PADDING) <= 0 ||
        EVP_PKEY_CTX_set_rsa_oaep_md(context.get(), EVP_sha256()) <= 0 ||
        EVP_PKEY_CTX_set_rsa_mgf1_md(context.get(), EVP_sha256()) <= 0) {
        fail("OAEP context");
    }
    return context;
}

using Operation = int (*)(EVP_PKEY_CTX*, unsigned char*, std::size_t*, const unsigned char*,
                          std::size_t);

std::string run(EVP_PKEY_CTX* context, Operation operation, const std::string& input) {
    const auto* in = reinterpret_cast<const unsigned char*>(input.data());
    std::size_t length = 0;
    if (operation(context, nullptr, &length, in, input.size()) <= 0) {
        fail("RSA-OAEP");
    }
    std::string output(length, '\0');
    if (operation(context, reinterpret_cast<unsigned char*>(output.data()), &length, in,
                  input.size()) <= 0) {
        fail("RSA-OAEP");
    }
    output.resize(length);
    return output;
}

} // namespace

OaepKey::OaepKey(const BigKey& key) {
    const mpz_class dp = key.d % (key.p - 1);
    const mpz_class dq = key.d % (key.q - 1);
    mpz_class qInverse;
    mpz_invert(qInverse.get_mpz_t(), key.q.get_mpz_t(), key.p.get_mpz_t());
    const std::pair<const char*, const mpz_class*> numbers[] = {
        {OSSL_PKEY_PARAM_RSA_N, &key.n},       {OSSL_PKEY_PARAM_RSA_E, &key.e},
        {OSSL_PKEY_PARAM_RSA_D, &key.d},       {OSSL_PKEY_PARAM_RSA_FACTOR1, &key.p},
        {OSSL_PKEY_PARAM_RSA_FACTOR2, &key.q}, {OSSL_PKEY_PARAM_RSA_EXPONENT1, &dp},
        {OSSL_PKEY_PARAM_RSA_EXPONENT2, &dq},  {OSSL_PKEY_PARAM_RSA_COEFFICIENT1, &qInverse}};
    std::vector<Bignum> bignums;
    std::unique_ptr<OSSL_PARAM_BLD, void (*)(OSSL_PARAM_BLD*)> builder(OSSL_PARAM_BLD_new(),
                                                                       OSSL_PARAM_BLD_free);
    if (!builder) {
        fail("OSSL_PARAM_BLD_new");
    }
    for (const auto& [name, number] : numbers) {
        bignums.push_back(toBignum(*number));
        if (OSSL_PARAM_BLD_push_BN(builder.get(), name, bignums.back().get()) == 0) {
            fail("OSSL_PARAM_BLD_push_BN");
        }
    }
    std::unique_ptr<OSSL_PARAM, void (*)(OSSL_PARAM*)> params(
        OSSL_PARAM_BLD_to_param(builder.get()), OSSL_PARAM_free);
    Context context(EVP_PKEY_CTX_new_from_name(nullptr, "RSA", nullptr));
    if (!params || !context || EVP_PKEY_fromdata_init(context.get()) <= 0 ||
        EVP_PKEY_fromdata(context.get(), &m_key, EVP_PKEY_KEYPAIR, params.get()) <= 0) {
        fail("EVP_PKEY_fromdata");
    }
}

OaepKey::~OaepKey() {
    EVP_PKEY_free(m_key);
}

std::string OaepKey::encrypt(const std::string& plain) const {
    const Context context = oaepContext(m_key, EVP_PKEY_encrypt_init);
    return run(context.get(), EVP_PKEY_encrypt, plain);
}

std::string OaepKey::decrypt(const std::string& cipher) const {
    const Context context = oaepContext(m_key, EVP_PKEY_decrypt_init);
    return run(context.get(), EVP_PKEY_decrypt, cipher);
}

} // namespace rsa::realsize
