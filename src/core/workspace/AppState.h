#pragma once

#include <string>

#include "part/PartRecord.h"
#include "tools/ToolRecords.h"
#include "workspace/Workspace.h"

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
    std::string dieFilePath(const std::string& name) const { return ToolFilePath(workspace.pathTools, name, ToolKind::Die); }
    // Refreshes the material coefficient from "material.dat" for the part's material.
    bool loadMaterialCoefficient();
};

}  // namespace zelpor
