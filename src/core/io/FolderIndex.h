#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zelpor {

// Visits the entries of `folder` (files and folders) by name and kind only,
// without looking at their attributes, until `visit` returns true; returns
// whether it did. Cheap on a folder of thousands of parts: it can stop at the
// first entry that answers the question.
bool AnyFolderEntry(const std::string& folder,
                    const std::function<bool(const std::string& name, bool isFolder)>& visit);

// Whether `folder` holds a file (not only folders). Answered again from the
// folder's entries only when the folder has changed since the last call.
bool FolderHasFile(const std::string& folder);

// The name of the entry of `folder` equal to `name` without regard to case, or
// nothing. The names of a folder are kept in a map between calls and read again
// only when the folder has changed (its modification time), so a tool looked
// up in a folder of a thousand tools costs two looks at the disk, not a scan;
// a file added, removed or renamed since is seen at the next call.
std::optional<std::string> FindNameNoCase(const std::string& folder, const std::string& name);

}  // namespace zelpor
