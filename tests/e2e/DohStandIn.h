#pragma once
// The stand-in DNS-over-HTTPS resolver (doh-stand-in.sh) as the tests and
// benchmarks reach it: its folder is named by QUORVIK_DOH_STAND_IN.
#include <windows.h>
#include <wincrypt.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/e2e/ProgramFolder.h"

namespace ui {

inline std::filesystem::path DohStandInFile(const wchar_t* name) {
    return FromBuild("QUORVIK_DOH_STAND_IN") + L"\\" + name;
}

// Puts the stand-in's certificate authority among the Wine prefix's trusted roots.
inline bool TrustDohStandIn() {
    std::ifstream file(DohStandInFile(L"ca.der"), std::ios::binary);
    std::string der((std::istreambuf_iterator<char>(file)), {});
    HCERTSTORE roots = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
    bool added = roots && CertAddEncodedCertificateToStore(roots, X509_ASN_ENCODING,
                                                           reinterpret_cast<const BYTE*>(der.data()), DWORD(der.size()),
                                                           CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    if (roots) CertCloseStore(roots, 0);
    return added;
}

// "/doh" switches for the stand-in's paths: port 1 has a certificate for
// 127.0.0.1, port 2 one for another address. resolvers: the port's number,
// then the path ("1/dns-query").
inline std::wstring DohSwitches(const std::vector<std::wstring>& resolvers) {
    std::wstring ports[2], switches;
    std::wifstream(DohStandInFile(L"ports.txt")) >> ports[0] >> ports[1];
    for (const std::wstring& resolver : resolvers)
        switches += L"/doh https://127.0.0.1:" + ports[resolver[0] - L'1'] + resolver.substr(1) + L" ";
    return switches;
}

}  // namespace ui
