#pragma once

#include <string>

#include "core/part/PartRecord.h"
#include "core/tools/ToolRecords.h"
#include "core/workspace/Workspace.h"

namespace zelpor {

// Program-wide state: created once in main() (or by a test in its own
// temporary folder) and handed by reference to every window.
struct AppState {
    Workspace workspace;
    PartRecord part;
    TPoincon punch;
    TMatrice die;
    std::string iniPath;

    // The part file of the current job and part.
    bool readCurrentPart() {
        return ReadPart(part, workspace.pathCustomers, workspace.customer, workspace.partFileName());
    }
    int writeCurrentPart() const {
        return WritePart(part, workspace.pathCustomers, workspace.customer, workspace.partFileName());
    }
    std::string punchFilePath(const std::string& name) const {
        return ToolFilePath(workspace.pathTools, name, ToolKind::Punch);
    }
    std::string dieFilePath(const std::string& name) const {
        return ToolFilePath(workspace.pathTools, name, ToolKind::Die);
    }
    // The tools of the current bend, loaded by name: the holder then names
    // the tool in use, so that a validated bend stores it. A file that cannot
    // be read leaves the tool and its name as they were.
    bool loadPunch(const std::string& name) {
        if (!LoadPunchFile(punch, punchFilePath(name))) return false;
        punch.name = name;
        return true;
    }
    bool loadDie(const std::string& name) {
        if (!LoadDieFile(die, dieFilePath(name))) return false;
        die.name = name;
        return true;
    }
    // Refreshes the material coefficient from "material.dat" for the part's material.
    bool loadMaterialCoefficient();
};

}  // namespace zelpor
