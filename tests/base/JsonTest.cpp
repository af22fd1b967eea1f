#include "base/Json.h"

#include <gtest/gtest.h>

// What each text reads as: a kind letter per value in document order
// (z null, b bool, n number, s string, a array, o object) with the text of
// strings and numbers, members as name:value; "refused" for what is no JSON.
std::string Shape(const JsonValue& value) {
    std::string inside;
    for (const JsonValue& item : value.Items) inside += Shape(item) + ",";
    for (const JsonMember& member : value.Members) inside += member.Name + ":" + Shape(member.Value) + ",";
    bool container = value.Type == JsonValue::Kind::Array || value.Type == JsonValue::Kind::Object;
    return "zbnsao"[int(value.Type)] + value.Text + (container ? "[" + inside + "]" : "");
}

TEST(Json, TextsReadAsTheStandardSays) {
    const std::pair<std::string, std::string> cases[] = {
        {R"( {"a": [1, -0.5e+3, true, null], "b": {}} )", "o[a:a[n1,n-0.5e+3,btrue,z,],b:o[],]"},
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
