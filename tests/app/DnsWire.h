#pragma once
// DNS messages written by hand for the tests; the question is site.test
// (its ".test" at offset 17).
#include <string>

inline std::string U16(int value) { return {char(value >> 8), char(value & 0xFF)}; }
inline std::string Name(const std::string& first) { return char(first.size()) + first + "\4test" + '\0'; }
inline const std::string kSite = Name("site");
inline std::string Response(int flags, int answers, int type = 1) {
    return U16(0) + U16(flags) + U16(1) + U16(answers) + U16(0) + U16(0) + kSite + U16(type) + U16(1);
}
inline std::string Record(const std::string& owner, int type, const std::string& data) {
    return owner + U16(type) + U16(1) + std::string("\0\0\x0e\x10", 4) + U16(int(data.size())) + data;
}
inline const std::string kA = "\x01\x02\x04\x05";                                  // 1.2.4.5
inline const std::string kAaaa("\x20\x01\x0d\xb8\0\0\0\0\0\0\0\0\0\0\0\x10", 16);  // 2001:db8::10
