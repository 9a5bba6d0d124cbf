#include "core/workspace/IniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <span>
#include <sstream>

#include "core/io/Files.h"

namespace zelpor {
namespace {

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsSectionHeader(const std::string& line, std::string* name = nullptr) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[' || t.find(']') == std::string::npos) return false;
    if (name) *name = Trim(t.substr(1, t.find(']') - 1));
    return true;
}

}  // namespace

IniFile IniFile::Parse(const std::string& text) {
    IniFile ini;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ini.m_lines.push_back(line);
    }
    return ini;
}

IniFile IniFile::Load(const std::string& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) return {};
    return Parse(std::string(bytes->begin(), bytes->end()));
}

int IniFile::findSection(const std::string& section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        std::string name;
        if (IsSectionHeader(m_lines[i], &name) && EqualNoCase(name, section)) return static_cast<int>(i);
    }
    return -1;
}

int IniFile::findKey(int sectionLine, const std::string& key) const {
    for (std::size_t i = static_cast<std::size_t>(sectionLine) + 1; i < m_lines.size(); ++i) {
        if (IsSectionHeader(m_lines[i])) break;
        const auto eq = m_lines[i].find('=');
        if (eq == std::string::npos) continue;
        if (EqualNoCase(Trim(m_lines[i].substr(0, eq)), key)) return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> IniFile::value(const std::string& section, const std::string& key) const {
    const int s = findSection(section);
    if (s < 0) return std::nullopt;
    const int k = findKey(s, key);
    if (k < 0) return std::nullopt;
    const std::string& line = m_lines[static_cast<std::size_t>(k)];
    std::string v = Trim(line.substr(line.find('=') + 1));
    // A value written between quotes is read without them, as the system's
    // profile reader does (a folder written as "/jobs/Atelier 2/" keeps its blank).
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

std::string IniFile::value(const std::string& section, const std::string& key, const std::string& fallback) const {
    return value(section, key).value_or(fallback);
}

void IniFile::setValue(const std::string& section, const std::string& key, const std::string& value) {
    int s = findSection(section);
    if (s < 0) {
        m_lines.push_back("[" + section + "]");
        s = static_cast<int>(m_lines.size()) - 1;
    }
    const std::string line = key + "=" + value;
    const int k = findKey(s, key);
    if (k >= 0) {
        m_lines[static_cast<std::size_t>(k)] = line;
        return;
    }
    // Append after the last key of the section, before any blank lines.
    std::size_t at = static_cast<std::size_t>(s) + 1;
    for (std::size_t i = at; i < m_lines.size() && !IsSectionHeader(m_lines[i]); ++i)
        if (!Trim(m_lines[i]).empty()) at = i + 1;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), line);
}

std::string IniFile::text() const {
    std::string out;
    for (const auto& l : m_lines) out += l + "\r\n";
    return out;
}

Result<> IniFile::save(const std::string& path) const {
    // The file read at start-up is the one written back, whatever the case of
    // its name ("zelpor.ini" for "zelpor.INI"), as on the shop's system. It is
    // replaced whole once the new text is complete: a failed save must not
    // leave a cut line that makes the next start forget the job and part.
    const std::string t = text();
    return ReplaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(t.data()), t.size()));
}

}  // namespace zelpor
