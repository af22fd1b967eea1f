#include "tools/qqwry/CsvLine.h"

#include "base/Exception.h"

namespace {

// Reads the quoted field that starts at line[pos] and leaves pos behind its
// closing quote.
std::string ReadQuotedField(std::string_view line, size_t& pos) {
    std::string field;
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] != '"') {
            field += line[pos];
        } else if (pos + 1 < line.size() && line[pos + 1] == '"') {
            field += '"';
            ++pos;
        } else {
            ++pos;
            return field;
        }
    }
    throw Exception("unclosed double quote");
}

}  // namespace

std::vector<std::string> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields;
    size_t pos = 0;
    while (true) {
        if (pos < line.size() && line[pos] == '"') {
            fields.push_back(ReadQuotedField(line, pos));
            if (pos < line.size() && line[pos] != ',') throw Exception("text after a closing double quote");
        } else {
            size_t comma = std::min(line.find(',', pos), line.size());
            fields.emplace_back(line.substr(pos, comma - pos));
            pos = comma;
        }
        if (pos == line.size()) return fields;
        ++pos;  // the comma
    }
}

std::string QuoteCsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + '"';
}
