#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct JsonMember;

// A JSON value (RFC 8259) read from text that someone else wrote.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind Type = Kind::Null;
    // A string's text in UTF-8, a number as written, "true" or "false".
    std::string Text;
    std::vector<JsonValue> Items;
    std::vector<JsonMember> Members;

    // The first member of the name; none when absent or when this is no object.
    const JsonValue* Member(std::string_view name) const;
};

struct JsonMember {
    std::string Name;
    JsonValue Value;
};

// The one value the text holds, blanks around it allowed; none when the text
// is no JSON or nests more than 16 levels deep.
std::optional<JsonValue> ParseJson(std::string_view text);
