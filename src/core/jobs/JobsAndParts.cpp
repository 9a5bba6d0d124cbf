#include "core/jobs/JobsAndParts.h"

#include <algorithm>
#include <cctype>

#include "core/io/Files.h"
#include "core/io/FolderIndex.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// "name.*" as the shop's file system reads it: the bare name or the name with
// any extension.
bool MatchesNameWithAnyExtension(const std::string& entry, const std::string& name) {
    if (EqualNoCase(entry, name)) return true;
    return entry.size() > name.size() && entry[name.size()] == '.' && EqualNoCase(entry.substr(0, name.size()), name);
}

std::string WithoutExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

void SortNoCase(std::vector<std::string>& names) { std::stable_sort(names.begin(), names.end(), FolderOrderLess); }

}  // namespace

std::vector<std::string> ListJobs(const std::string& pathCustomers) {
    std::vector<std::string> names;
    for (const auto& e : ListFolder(pathCustomers)) {
        if (e.isFolder && !e.hidden && !e.readOnly) names.push_back(e.name);
    }
    SortNoCase(names);
    return names;
}

std::vector<std::string> ListParts(const std::string& jobFolder) {
    std::vector<std::string> names;
    if (!FolderExists(jobFolder)) return names;
    auto entries = ListFolder(jobFolder);
    // Sorted on the full file name, as the folder enumerates, then cut.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const FolderEntry& a, const FolderEntry& b) { return FolderOrderLess(a.name, b.name); });
    for (const auto& e : entries) {
        if (!e.isFolder && !e.hidden && !e.readOnly) names.push_back(WithoutExtension(e.name));
    }
    return names;
}

int PreselectIndex(const std::vector<std::string>& names, const std::string& current) {
    if (names.empty()) return -1;
    const auto it =
        std::find_if(names.begin(), names.end(), [&](const std::string& n) { return EqualNoCase(n, current); });
    return it == names.end() ? 0 : static_cast<int>(it - names.begin());
}

bool JobExists(const std::string& pathCustomers, const std::string& name) {
    return AnyFolderEntry(pathCustomers, [&](const std::string& entry, bool isFolder) {
        return isFolder && MatchesNameWithAnyExtension(entry, name);
    });
}

bool PartExists(const std::string& jobFolder, const std::string& name) {
    if (!FolderExists(jobFolder)) return false;
    return AnyFolderEntry(jobFolder, [&](const std::string& entry, bool isFolder) {
        return !isFolder && MatchesNameWithAnyExtension(entry, name);
    });
}

std::string SaveCurrentPartBeforeDialog(AppState& state) {
    if (!state.workspace.hasJob()) return {};
    return state.writeCurrentPart() == 0 ? state.workspace.partFilePath() : std::string();
}

}  // namespace zelpor
