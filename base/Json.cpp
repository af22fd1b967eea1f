#include "base/Json.h"

namespace {
const int kDeepest = 16;

class TJsonReader {
public:
    explicit TJsonReader(std::string_view text) : FText(text) {}

    std::optional<JsonValue> Document() {
        std::optional<JsonValue> value = Value(0);
        SkipBlanks();
        if (FAt != FText.size()) return std::nullopt;
        return value;
    }

private:
    std::optional<JsonValue> Value(int depth) {
        SkipBlanks();
        if (depth > kDeepest || FAt >= FText.size()) return std::nullopt;
        char first = FText[FAt];
        if (first == '{') return Object(depth);
        if (first == '[') return Array(depth);
        if (first == '"') {
            std::optional<std::string> text = String();
            if (!text) return std::nullopt;
            return JsonValue{.Type = JsonValue::Kind::String, .Text = *text};
        }
        if (first == '-' || (first >= '0' && first <= '9')) return Number();
        for (auto [word, kind] : {std::pair{"true", JsonValue::Kind::Bool},
                                  {"false", JsonValue::Kind::Bool},
                                  {"null", JsonValue::Kind::Null}})
            if (FText.substr(FAt).starts_with(word)) {
                FAt += std::string_view(word).size();
                return JsonValue{.Type = kind, .Text = kind == JsonValue::Kind::Bool ? word : ""};
            }
        return std::nullopt;
    }

    std::optional<JsonValue> Object(int depth) {
        JsonValue object{.Type = JsonValue::Kind::Object};
        ++FAt;
        if (Take('}')) return object;
        do {
            SkipBlanks();
            std::optional<std::string> name = FAt < FText.size() && FText[FAt] == '"' ? String() : std::nullopt;
            if (!name || !Take(':')) return std::nullopt;
            std::optional<JsonValue> value = Value(depth + 1);
            if (!value) return std::nullopt;
            object.Members.push_back({std::move(*name), std::move(*value)});
        } while (Take(','));
        return Take('}') ? std::optional(std::move(object)) : std::nullopt;
    }

    std::optional<JsonValue> Array(int depth) {
        JsonValue array{.Type = JsonValue::Kind::Array};
        ++FAt;
        if (Take(']')) return array;
        do {
            std::optional<JsonValue> item = Value(depth + 1);
            if (!item) return std::nullopt;
            array.Items.push_back(std::move(*item));
        } while (Take(','));
        return Take(']') ? std::optional(std::move(array)) : std::nullopt;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
    std::optional<JsonValue> Number() {
        size_t start = FAt;
        Accept("-");
        if (!Accept("0") && !Digits()) return std::nullopt;
        if (Accept(".") && !Digits()) return std::nullopt;
        if (Accept("eE") && (Accept("+-"), !Digits())) return std::nullopt;
        return JsonValue{.Type = JsonValue::Kind::Number, .Text = std::string(FText.substr(start, FAt - start))};
    }

    // One of the characters, right here.
    bool Accept(std::string_view any) {
        if (FAt >= FText.size() || any.find(FText[FAt]) == std::string_view::npos) return false;
        ++FAt;
        return true;
    }

    bool Digits() {
        size_t start = FAt;
        while (FAt < FText.size() && FText[FAt] >= '0' && FText[FAt] <= '9') ++FAt;
        return FAt > start;
    }

    std::optional<std::string> String() {
        std::string text;
        ++FAt;
        while (FAt < FText.size()) {
            unsigned char c = FText[FAt++];
            if (c == '"') return text;
            if (c < 0x20) return std::nullopt;
            if (c != '\\') {
                text += char(c);
                continue;
            }
            if (FAt >= FText.size()) return std::nullopt;
            char escaped = FText[FAt++];
            size_t control = std::string_view("bfnrt").find(escaped);
            if (escaped == 'u') {
                if (!CodePoint(text)) return std::nullopt;
            } else if (control != std::string_view::npos) {
                text += "\b\f\n\r\t"[control];
            } else if (escaped == '"' || escaped == '\\' || escaped == '/') {
                text += escaped;
            } else {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<unsigned> Hex4() {
        if (FText.size() - FAt < 4) return std::nullopt;
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            char c = FText[FAt++];
            int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
            if (digit < 0) return std::nullopt;
            value = value << 4 | unsigned(digit);
        }
        return value;
    }

    // \uXXXX, a surrogate pair as two of them, written as UTF-8; a lone
    // surrogate is no character.
    bool CodePoint(std::string& text) {
        std::optional<unsigned> unit = Hex4();
        if (!unit || (*unit >= 0xDC00 && *unit < 0xE000)) return false;
        unsigned code = *unit;
        if (code >= 0xD800 && code < 0xDC00) {
            if (!FText.substr(FAt).starts_with("\\u")) return false;
            FAt += 2;
            std::optional<unsigned> low = Hex4();
            if (!low || *low < 0xDC00 || *low >= 0xE000) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (*low - 0xDC00);
        }
        if (code < 0x80) {
            text += char(code);
        } else if (code < 0x800) {
            text += char(0xC0 | code >> 6), text += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            text += char(0xE0 | code >> 12), text += char(0x80 | (code >> 6 & 0x3F)),
                text += char(0x80 | (code & 0x3F));
        } else {
            text += char(0xF0 | code >> 18), text += char(0x80 | (code >> 12 & 0x3F));
            text += char(0x80 | (code >> 6 & 0x3F)), text += char(0x80 | (code & 0x3F));
        }
        return true;
    }

    bool Take(char expected) {
        SkipBlanks();
        if (FAt >= FText.size() || FText[FAt] != expected) return false;
        ++FAt;
        return true;
    }

    void SkipBlanks() {
        while (FAt < FText.size() &&
               (FText[FAt] == ' ' || FText[FAt] == '\t' || FText[FAt] == '\n' || FText[FAt] == '\r'))
            ++FAt;
    }

    std::string_view FText;
    size_t FAt = 0;
};
}  // namespace

const JsonValue* JsonValue::Member(std::string_view name) const {
    for (const JsonMember& member : Members)
        if (member.Name == name) return &member.Value;
    return nullptr;
}

std::optional<JsonValue> ParseJson(std::string_view text) { return TJsonReader(text).Document(); }
