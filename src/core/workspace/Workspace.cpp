#include "core/workspace/Workspace.h"

#include <filesystem>

#include "core/io/Files.h"
#include "core/part/PartRecord.h"
#include "core/workspace/IniFile.h"

namespace zelpor {
namespace {

// The working directory + separator + name + separator; `created` tells
// whether the folder was made now (it is false when it already existed).
std::string DefaultFolder(const std::string& workingDirectory, const char* name, bool& created) {
    std::string folder = workingDirectory + kPathSeparator + name + kPathSeparator;
    created = CreateFolder(folder).ok();
    return folder;
}

// The configuration holds single-byte Latin-1 text, as the shop's system
// writes it; folder and file names are UTF-8 here. A value that already is
// UTF-8 (written by an earlier version of this program) is taken as it is.
bool IsUtf8(const std::string& s) {
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

std::string FromIniText(const std::string& value) {
    if (IsUtf8(value)) return value;
    std::string out;
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Latin-1 when every character has a Latin-1 byte, else left in UTF-8 (a
// name the shop's system could not have stored).
std::string ToIniText(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c < 0x80) {
            out += value[i];
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < value.size() &&
                   (static_cast<unsigned char>(value[i + 1]) & 0xC0) == 0x80) {
            out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(value[i + 1]) & 0x3F));
            ++i;
        } else {
            return value;
        }
    }
    return out;
}

}  // namespace

std::string Workspace::partFilePath() const { return PartFilePath(pathCustomers, customer, partFileName()); }

Workspace LoadWorkspace(const std::string& iniPath, const std::string& workingDirectory, WorkspaceLoadReport* report) {
    WorkspaceLoadReport made;
    const IniFile ini = IniFile::Load(iniPath);
    Workspace ws;
    ws.pathCustomers = FromIniText(ini.value(kIniSection, kKeyPathCustomers, "None"));
    if (ws.pathCustomers == "None")
        ws.pathCustomers = DefaultFolder(workingDirectory, "Customers", made.createdCustomersFolder);
    ws.customer = FromIniText(ini.value(kIniSection, kKeyCustomer, ""));
    ws.part = FromIniText(ini.value(kIniSection, kKeyPart, ""));
    ws.pathTools = FromIniText(ini.value(kIniSection, kKeyPathTools, "None"));
    if (ws.pathTools == "None") ws.pathTools = DefaultFolder(workingDirectory, "Tools", made.createdToolsFolder);
    if (report) *report = made;
    return ws;
}

Result<> SaveWorkspace(const Workspace& ws, const std::string& iniPath) {
    IniFile ini = IniFile::Load(iniPath);
    ini.setValue(kIniSection, kKeyPathCustomers, ToIniText(ws.pathCustomers));
    ini.setValue(kIniSection, kKeyCustomer, ToIniText(ws.customer));
    ini.setValue(kIniSection, kKeyPart, ToIniText(ws.part));
    ini.setValue(kIniSection, kKeyPathTools, ToIniText(ws.pathTools));
    return ini.save(iniPath);
}

bool IsInstalledProgram(const std::string& executablePath) {
    namespace fs = std::filesystem;
    const fs::path exe(executablePath);
    const fs::path bin = exe.parent_path();
    if (bin.filename() != "bin") return false;
    std::error_code ec;
    return fs::is_regular_file(bin.parent_path() / "share" / "applications" / (exe.stem().string() + ".desktop"), ec);
}

std::string ConfigFilePath(const std::string& executablePath, const std::string& userConfigFolder) {
    namespace fs = std::filesystem;
    fs::path exe(executablePath);
    fs::path ini = exe;
    ini.replace_extension(".INI");
    // An installed program is shared by every user of the machine: its settings
    // never go beside it, even where root could write /usr/bin.
    const bool besideProgram = FolderWritable(exe.parent_path().string()) && !IsInstalledProgram(executablePath);
    if (besideProgram || userConfigFolder.empty()) return ini.string();
    std::error_code ec;
    fs::create_directories(userConfigFolder, ec);
    return (fs::path(userConfigFolder) / ini.filename()).string();
}

}  // namespace zelpor
