#pragma once
// The stand-in DNS-over-HTTPS resolver (doh-stand-in.sh), in the folder
// that QUORVIK_DOH_STAND_IN names.
#include <windows.h>
#include <wincrypt.h>

#include <filesystem>
#include <fstream>

#include "tests/e2e/ProgramFolder.h"

namespace ui {

// Puts the certificate authority of a stand-in (stand-in-certificates.sh),
// in the folder that the variable names, among the Wine prefix's trusted roots.
inline bool TrustStandIn(const char* folderVariable = "QUORVIK_DOH_STAND_IN") {
    std::ifstream file(std::filesystem::path(FromBuild(folderVariable) + L"\\ca.der"), std::ios::binary);
    std::string der((std::istreambuf_iterator<char>(file)), {});
    HCERTSTORE roots = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
    bool added = CertAddEncodedCertificateToStore(roots, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
                                                  DWORD(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    CertCloseStore(roots, 0);
    return added;
}

// "/doh" switches, each given as port and path: port 1 has a certificate for
// 127.0.0.1, port 2 one for another address.
inline std::wstring DohSwitches(const std::vector<std::wstring>& resolvers) {
    std::wstring ports[2], switches;
    std::wifstream(std::filesystem::path(FromBuild("QUORVIK_DOH_STAND_IN") + L"\\ports.txt")) >> ports[0] >> ports[1];
    for (const std::wstring& resolver : resolvers)
        switches += L"/doh https://127.0.0.1:" + ports[resolver[0] - L'1'] + resolver.substr(1) + L" ";
    return switches;
}

}  // namespace ui
