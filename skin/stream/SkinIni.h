#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Delphi-style colour: red + green * 256 + blue * 65536.
using TColor = int32_t;

// The skin's INI-style description. Sections and keys are found without
// regard to letter case, and the first match wins.
class TSkinIni {
public:
    explicit TSkinIni(std::string_view text);

    // The value of the first line of the key in the section; the default
    // when the section, the key or the value is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "0x"; the default for anything else.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // Three decimal numbers "red green blue", 0..255 each.
    TColor ReadColor(std::string_view section, std::string_view key, TColor defaultValue) const;

    // Section names in file order, without brackets.
    std::vector<std::string> Sections() const;

private:
    const std::string* FindValue(std::string_view section, std::string_view key) const;

    std::vector<std::string> FLines;
    std::map<std::string, size_t> FSectionLines;  // upper-cased "[name]" -> line
};

// Colour parsing for callers that hold the text already.
bool ParseSkinColor(std::string_view text, TColor& value);
