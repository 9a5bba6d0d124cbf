#pragma once

#include <string>

#include "core/io/FileResult.h"

namespace zelpor {

inline constexpr const char* kIniSection = "Data";
inline constexpr const char* kKeyPathCustomers = "Path Customers";
inline constexpr const char* kKeyCustomer = "Customer";
inline constexpr const char* kKeyPart = "Part";
inline constexpr const char* kKeyPathTools = "Path Tools";
inline constexpr const char* kNoJob = "?";

// The four workspace values every window reads.
struct Workspace {
    std::string pathCustomers;  // root of the job folders, ends with a separator
    std::string customer;       // current job; "?" when none
    std::string part;           // current part, without ".pie"
    std::string pathTools;      // tools folder, ends with a separator

    bool hasJob() const { return !customer.empty() && customer != kNoJob; }
    std::string jobFolder() const { return pathCustomers + customer; }
    std::string partFileName() const { return part + ".pie"; }
    std::string partFilePath() const;
};

// What reading the configuration did on disk: on a first start the program
// fills a tools folder it has just created with the sample tool library.
struct WorkspaceLoadReport {
    bool createdCustomersFolder = false;
    bool createdToolsFolder = false;
};

// Reads the configuration. "None" (also the value of a missing key or file)
// for a folder gives the working-directory default, which is created. The
// file holds Latin-1 text, the workspace values UTF-8 (names on disk).
Workspace LoadWorkspace(const std::string& iniPath, const std::string& workingDirectory,
                        WorkspaceLoadReport* report = nullptr);
// Writes "Path Customers", "Customer", "Part", "Path Tools" in section "Data".
Result<> SaveWorkspace(const Workspace& ws, const std::string& iniPath);

// The configuration file: the executable's path with its extension replaced
// by ".INI". When the executable's folder cannot be written (an installed
// program), `userConfigFolder` + the same file name is used instead.
// An installed program also uses `userConfigFolder`, whoever runs it.
std::string ConfigFilePath(const std::string& executablePath, const std::string& userConfigFolder);

// True for <prefix>/bin/<name> with its desktop entry
// <prefix>/share/applications/<name>.desktop, as the package installs it.
bool IsInstalledProgram(const std::string& executablePath);

}  // namespace zelpor
