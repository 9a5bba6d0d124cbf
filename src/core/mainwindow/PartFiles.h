#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workspace/Workspace.h"

namespace zelpor {

// A part or job name that stays inside its folder: not empty after trimming,
// no path separator, no "..", no control character.
bool IsPlainName(std::string_view name);

// The job folder holds at least one file (something "Supprime Piece" can delete).
bool JobFolderHasFiles(const Workspace& ws);

// The file a deletion of `partName` removes, or nothing when the name would
// reach outside the job folder.
std::optional<std::string> PartFileToDelete(const Workspace& ws, const std::string& partName);

}  // namespace zelpor
