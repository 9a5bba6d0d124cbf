#include "core/report/ReportText.h"

#include <cmath>

#include "core/text/Numbers.h"

namespace zelpor {

std::string ShownNumber(double value, int decimals) {
    if (!std::isfinite(value)) return "?";
    return FormatFixed(value, decimals);
}

std::string ShownText(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\n' || c == '\r' || c == '\t') {
            out += ' ';
        } else if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
            out += '?';
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

namespace {

bool IsWholeUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

std::string ShownFileName(std::string_view name) {
    if (!IsWholeUtf8(name)) return ShownText(name);
    std::string out(name);
    for (char& ch : out)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ch = '?';
    return out;
}

std::string ShownDate(std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) return {};
    char buf[32];
    if (std::strftime(buf, sizeof buf, "%d/%m/%Y %H:%M", &local) == 0) return {};
    return buf;
}

std::string CsvField(std::string_view text) {
    const bool quote = text.find_first_of(";\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ';';
        line += CsvField(fields[i]);
    }
    return line + "\r\n";
}

std::vector<std::vector<std::string>> ParseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool rowOpen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        rowOpen = true;
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
            rowOpen = false;
        } else {
            field += c;
        }
    }
    if (rowOpen) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace zelpor
