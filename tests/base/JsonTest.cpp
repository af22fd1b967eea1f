#include "base/Json.h"

#include <gtest/gtest.h>

// What each text reads as: a kind letter per value in document order
// (o object, a array, s string, n number, b bool, z null) with the text of
// strings and numbers; "refused" for what is no JSON.
std::string Shape(const JsonValue& value) {
    switch (value.Type) {
    case JsonValue::Kind::Object: {
        std::string shape = "o{";
        for (const JsonMember& member : value.Members) shape += member.Name + ":" + Shape(member.Value) + ",";
        return shape + "}";
    }
    case JsonValue::Kind::Array: {
        std::string shape = "a[";
        for (const JsonValue& item : value.Items) shape += Shape(item) + ",";
        return shape + "]";
    }
    case JsonValue::Kind::String: return "s" + value.Text;
    case JsonValue::Kind::Number: return "n" + value.Text;
    case JsonValue::Kind::Bool: return "b" + value.Text;
    case JsonValue::Kind::Null: return "z";
    }
    return "";
}

TEST(Json, TextsReadAsTheStandardSays) {
    const std::pair<std::string, std::string> cases[] = {
        {R"( {"a": [1, -0.5e+3, true, null], "b": {}} )", "o{a:a[n1,n-0.5e+3,btrue,z,],b:o{},}"},
        {R"(["\"\\\/\b\f\n\r\t", "\u00e9\u4e2d", "\ud83d\ude00"])",
         "a[s\"\\/\b\f\n\r\t,s\xC3\xA9\xE4\xB8\xAD,s\xF0\x9F\x98\x80,]"},
        {"[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]", "a[a[a[a[a[a[a[a[a[a[a[a[a[a[a[a[n1,],],],],],],],],],],],],],],],]"},
        {"[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]", "refused"},  // deeper than 16 levels
        {"", "refused"},
        {"[1,]", "refused"},
        {"{\"a\" 1}", "refused"},
        {"[01]", "refused"},
        {"[1 .5]", "refused"},
        {"[\"\\ud800\"]", "refused"},  // a lone surrogate
        {"[\"\\x\"]", "refused"},
        {"[\"a\nb\"]", "refused"},  // a raw control character
        {"[\"open]", "refused"},
        {"{} {}", "refused"},
        {"tru", "refused"},
    };
    for (const auto& [text, shape] : cases) {
        std::optional<JsonValue> value = ParseJson(text);
        EXPECT_EQ(value ? Shape(*value) : "refused", shape) << text;
    }
}
