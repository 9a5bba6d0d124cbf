#pragma once

#include <string>
#include <string_view>

namespace zelpor {

// Why a job, part or tool name cannot be used. Names become folder and file
// names under the shop's folders, so anything that could reach outside them,
// or that the shop's other machines could not store, is refused before a
// file is touched.
enum class NameProblem {
    None,
    Empty,  // nothing typed: the dialogs' own "obligatoire" messages
    OnlyBlanks,
    ForbiddenChar,  // / \ : * ? " < > |
    Dots,           // "..", or a leading "." (the entry would be hidden from the lists)
    ControlChar,
};

// The one rule for every name the program turns into a path.
NameProblem CheckName(std::string_view name);

// A name that passes the rule: it stays inside its folder and shows in the lists.
inline bool IsPlainName(std::string_view name) { return CheckName(name) == NameProblem::None; }

// The French message for a refused name; `job` picks the job or part wording
// for an empty name. Empty for NameProblem::None.
std::string NameProblemText(NameProblem problem, bool job);

}  // namespace zelpor
