#pragma once

#include <string>

#include "core/io/Files.h"
#include "core/tools/ToolEditing.h"

namespace zelpor {

// ".pun" or ".die", the extensions the libraries write.
const char* ToolExtension(ToolKind kind);
// The tool's file in the tools folder: an existing file of that name, whatever
// the case of its letters, else folder + name + extension.
bool ToolFileExists(const std::string& toolsFolder, const std::string& name, ToolKind kind);

// A typed tool name is checked like a job or part name, and more: the name
// is the file name up to its first ".", and a bend keeps 24 characters of it.
enum class ToolNameProblem { None, Refused, Dot, TooLong };
ToolNameProblem CheckToolName(const std::string& name);
std::string ToolNameProblemText(const std::string& name);  // French, UTF-8; empty when fine

enum class ToolFileResult { Done, BadName, Exists, CheckFailed, WriteFailed, NotFound };

// Checks the draft and writes it to its file, replacing the file only once the
// new bytes are complete. An existing file of that name is replaced only with
// `replace` (the caller asked the user first); `keepName` is the name the
// draft was read from, whose file is its own.
ToolFileResult SaveToolDraft(const std::string& toolsFolder, const ToolDraft& draft, bool replace,
                             const std::string& keepName, FileError* error = nullptr);

// Renames a tool file; an existing target is replaced only with `replace`.
// Changing only the case of the letters is a rename too.
ToolFileResult RenameToolFile(const std::string& toolsFolder, ToolKind kind, const std::string& from,
                              const std::string& to, bool replace);
ToolFileResult DeleteToolFile(const std::string& toolsFolder, ToolKind kind, const std::string& name);

// Loads a tool of the library into a draft; false when its file cannot be read.
bool LoadToolDraft(const std::string& toolsFolder, ToolKind kind, const std::string& name, ToolDraft& draft);

}  // namespace zelpor
