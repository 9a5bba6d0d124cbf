#include "workspace/Workspace.h"

#include <filesystem>

#include "io/Files.h"
#include "part/PartRecord.h"
#include "workspace/IniFile.h"

namespace zelpor {
namespace {

// The working directory + separator + name + separator; `created` tells
// whether the folder was made now (it is false when it already existed).
std::string DefaultFolder(const std::string& workingDirectory, const char* name, bool& created) {
    std::string folder = workingDirectory + kPathSeparator + name + kPathSeparator;
    created = CreateFolder(folder);
    return folder;
}

}  // namespace

std::string Workspace::partFilePath() const { return PartFilePath(pathCustomers, customer, partFileName()); }

Workspace LoadWorkspace(const std::string& iniPath, const std::string& workingDirectory,
                        WorkspaceLoadReport* report) {
    WorkspaceLoadReport made;
    const IniFile ini = IniFile::Load(iniPath);
    Workspace ws;
    ws.pathCustomers = ini.value(kIniSection, kKeyPathCustomers, "None");
    if (ws.pathCustomers == "None")
        ws.pathCustomers = DefaultFolder(workingDirectory, "Customers", made.createdCustomersFolder);
    ws.customer = ini.value(kIniSection, kKeyCustomer, "");
    ws.part = ini.value(kIniSection, kKeyPart, "");
    ws.pathTools = ini.value(kIniSection, kKeyPathTools, "None");
    if (ws.pathTools == "None") ws.pathTools = DefaultFolder(workingDirectory, "Tools", made.createdToolsFolder);
    if (report) *report = made;
    return ws;
}

bool SaveWorkspace(const Workspace& ws, const std::string& iniPath) {
    IniFile ini = IniFile::Load(iniPath);
    ini.setValue(kIniSection, kKeyPathCustomers, ws.pathCustomers);
    ini.setValue(kIniSection, kKeyCustomer, ws.customer);
    ini.setValue(kIniSection, kKeyPart, ws.part);
    ini.setValue(kIniSection, kKeyPathTools, ws.pathTools);
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
