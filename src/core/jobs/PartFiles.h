#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/io/Names.h"
#include "core/workspace/Workspace.h"

namespace zelpor {

// The job folder holds at least one file (something "Supprime Piece" can delete).
bool JobFolderHasFiles(const Workspace& ws);

// The file a deletion of `partName` removes, or nothing when the name would
// reach outside the job folder.
std::optional<std::string> PartFileToDelete(const Workspace& ws, const std::string& partName);

}  // namespace zelpor
