#include "base/win32/SignatureCheck.h"

// SHA-256 came to the CryptoAPI with Windows XP Service Pack 3.
#undef NTDDI_VERSION
#define NTDDI_VERSION 0x05010300
#include <windows.h>
// After windows.h, which it needs.
#include <wincrypt.h>

#include <algorithm>

namespace {
class TProvider {
public:
    TProvider() {
        if (!CryptAcquireContextW(&FHandle, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT)) FHandle = 0;
    }
    ~TProvider() {
        if (FHandle) CryptReleaseContext(FHandle, 0);
    }
    HCRYPTPROV Get() const { return FHandle; }

private:
    HCRYPTPROV FHandle = 0;
};

// The key of a PEM text's SubjectPublicKeyInfo, imported; 0 when unreadable.
HCRYPTKEY ImportKey(HCRYPTPROV provider, const std::string& pem) {
    DWORD size = 0;
    if (!CryptStringToBinaryA(pem.c_str(), DWORD(pem.size()), CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr,
                              nullptr))
        return 0;
    std::string der(size, '\0');
    if (!CryptStringToBinaryA(pem.c_str(), DWORD(pem.size()), CRYPT_STRING_BASE64HEADER,
                              reinterpret_cast<BYTE*>(der.data()), &size, nullptr, nullptr))
        return 0;
    CERT_PUBLIC_KEY_INFO* info = nullptr;
    DWORD infoSize = 0;
    if (!CryptDecodeObjectEx(X509_ASN_ENCODING, X509_PUBLIC_KEY_INFO, reinterpret_cast<const BYTE*>(der.data()), size,
                             CRYPT_DECODE_ALLOC_FLAG, nullptr, &info, &infoSize))
        return 0;
    HCRYPTKEY key = 0;
    if (!CryptImportPublicKeyInfo(provider, X509_ASN_ENCODING, info, &key)) key = 0;
    LocalFree(info);
    return key;
}

bool Verifies(HCRYPTPROV provider, HCRYPTKEY key, const std::string& text, std::string signature) {
    HCRYPTHASH hash = 0;
    if (!CryptCreateHash(provider, CALG_SHA_256, 0, 0, &hash)) return false;
    // The CryptoAPI reads the signature's number least significant byte first.
    std::reverse(signature.begin(), signature.end());
    bool verified = CryptHashData(hash, reinterpret_cast<const BYTE*>(text.data()), DWORD(text.size()), 0) &&
                    CryptVerifySignatureW(hash, reinterpret_cast<const BYTE*>(signature.data()),
                                          DWORD(signature.size()), key, nullptr, 0);
    CryptDestroyHash(hash);
    return verified;
}
}  // namespace

bool SignedByOneOf(const std::string& text, const std::string& signature, const std::vector<std::string>& publicKeys) {
    TProvider provider;
    if (!provider.Get() || signature.empty()) return false;
    for (const std::string& pem : publicKeys) {
        HCRYPTKEY key = ImportKey(provider.Get(), pem);
        if (!key) continue;
        bool verified = Verifies(provider.Get(), key, text, signature);
        CryptDestroyKey(key);
        if (verified) return true;
    }
    return false;
}
