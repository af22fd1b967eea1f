#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Text is GBK (code page 936) bytes: a byte 0x81..0xFE starts a double-byte
// character whose second byte may look like ASCII. Lengths count bytes.

inline bool IsGbkLeadByte(uint8_t byte) { return byte >= 0x81 && byte <= 0xFE; }

// The longest prefix of at most maxBytes bytes that ends on a character
// boundary, so a cut never leaves half of a double-byte character.
std::string_view GbkPrefix(std::string_view text, size_t maxBytes);

// The text without leading and trailing blanks and control characters
// (bytes 0..32); GBK second bytes are never below 0x40, so they stay.
std::string TrimText(std::string_view text);

// The part of a path after its last "\\" or "/" that is a character of its
// own; the second byte of a double-byte character may be 0x5C and is no
// separator.
std::string_view GbkFileName(std::string_view path);
