#pragma once
#include <string>
#include <vector>

// Whether the signature over the text was made with the private half of one
// of the public keys: RSA, PKCS #1 v1.5 over SHA-256, as
// `openssl dgst -sha256 -sign` makes it; keys in PEM ("BEGIN PUBLIC KEY").
// Through the CryptoAPI's RSA and AES provider, which Windows XP has from
// Service Pack 3 on. A key that cannot be read trusts nothing.
bool SignedByOneOf(const std::string& text, const std::string& signature, const std::vector<std::string>& publicKeys);
