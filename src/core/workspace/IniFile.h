#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/io/FileResult.h"

namespace zelpor {

// A minimal INI file in the layout the shop's configuration files have: keys
// are written literally (blanks included) and values are kept exactly as
// stored, which rules out QSettings (it escapes keys and backslashes).
class IniFile {
public:
    static IniFile Parse(const std::string& text);
    static IniFile Load(const std::string& path);  // a missing file is empty

    // Key and section names compare without regard to case; the value is the
    // text after "=" with surrounding blanks removed.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    std::string value(const std::string& section, const std::string& key, const std::string& fallback) const;
    void setValue(const std::string& section, const std::string& key, const std::string& value);

    std::string text() const;  // lines joined with CR LF, as the shop's files have them
    Result<> save(const std::string& path) const;

private:
    int findSection(const std::string& section) const;
    int findKey(int sectionLine, const std::string& key) const;
    std::vector<std::string> m_lines;
};

}  // namespace zelpor
