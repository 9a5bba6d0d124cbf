#pragma once

#include <string>
#include <vector>

#include "core/io/Names.h"

namespace zelpor {

struct AppState;

// The job folders under the jobs root, as the job list shows them: only plain
// folders (a read-only or hidden one is left out), sorted without regard to case
// the way the shop's file system enumerates them.
std::vector<std::string> ListJobs(const std::string& pathCustomers);

// The files of a job folder, each without its extension (from its last "."),
// whatever the extension: the part list is the folder's content. Read-only and
// hidden files and sub-folders are left out.
std::vector<std::string> ListParts(const std::string& jobFolder);

// The entry to select: the one equal to `current` without regard to case,
// else the first; -1 for an empty list.
int PreselectIndex(const std::vector<std::string>& names, const std::string& current);

// A folder named `name` or `name.<anything>` under the jobs root (compared
// without regard to case) counts as an existing job.
bool JobExists(const std::string& pathCustomers, const std::string& name);

// A file named `name` or `name.<anything>` in the job folder counts as an
// existing part, whatever its extension.
bool PartExists(const std::string& jobFolder, const std::string& name);

// Saves the current part before a dialog can change job or part, so that
// nothing typed in the main window is lost. Nothing is written while no job
// is chosen: the part would land in the jobs root or in a folder named "?".
// Returns the part file's path when the write failed, else an empty text.
std::string SaveCurrentPartBeforeDialog(AppState& state);

}  // namespace zelpor
