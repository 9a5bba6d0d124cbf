#include "core/tools/ToolFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/jobs/JobsAndParts.h"

namespace zelpor {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

const char* ToolExtension(ToolKind kind) { return kind == ToolKind::Punch ? ".PUN" : ".DIE"; }

bool ToolFileExists(const std::string& toolsFolder, const std::string& name, ToolKind kind) {
    return FileExists(ToolFilePath(toolsFolder, name, kind));
}

ToolNameProblem CheckToolName(const std::string& name) {
    if (CheckName(name) != NameProblem::None) return ToolNameProblem::Refused;
    if (name.find('.') != std::string::npos) return ToolNameProblem::Dot;
    if (name.size() > 24) return ToolNameProblem::TooLong;
    return ToolNameProblem::None;
}

std::string ToolNameProblemText(const std::string& name) {
    switch (CheckToolName(name)) {
    case ToolNameProblem::None: return {};
    case ToolNameProblem::Refused:
        if (CheckName(name) == NameProblem::Empty) return "Nom de l'outil obligatoire";
        return NameProblemText(CheckName(name), false);
    case ToolNameProblem::Dot: return "Un nom d'outil ne contient pas de point";
    case ToolNameProblem::TooLong: return "Un nom d'outil a 24 caract\xC3\xA8res au plus";
    }
    return {};
}

ToolFileResult SaveToolDraft(const std::string& toolsFolder, const ToolDraft& draft, bool replace,
                             const std::string& keepName, FileError* error) {
    if (CheckToolName(draft.name) != ToolNameProblem::None) return ToolFileResult::BadName;
    if (!CheckTool(draft).ok()) return ToolFileResult::CheckFailed;
    const bool own = !keepName.empty() && SameIgnoringCase(keepName, draft.name);
    if (!own && !replace && ToolFileExists(toolsFolder, draft.name, draft.kind)) return ToolFileResult::Exists;
    const std::string path = ToolFilePath(toolsFolder, draft.name, draft.kind);
    const auto saved = ReplaceFile(path, EncodeDraft(draft));
    if (!saved && error != nullptr) *error = saved.failure().code;
    return saved ? ToolFileResult::Done : ToolFileResult::WriteFailed;
}

ToolFileResult RenameToolFile(const std::string& toolsFolder, ToolKind kind, const std::string& from,
                              const std::string& to, bool replace) {
    if (CheckToolName(to) != ToolNameProblem::None) return ToolFileResult::BadName;
    const std::string source = ToolFilePath(toolsFolder, from, kind);
    if (!FileExists(source)) return ToolFileResult::NotFound;
    const bool sameFile = SameIgnoringCase(from, to);
    if (!sameFile && ToolFileExists(toolsFolder, to, kind)) {
        if (!replace) return ToolFileResult::Exists;
        if (!DeleteFile(ToolFilePath(toolsFolder, to, kind))) return ToolFileResult::WriteFailed;
    }
    std::error_code ec;
    std::filesystem::rename(source, toolsFolder + to + ToolExtension(kind), ec);
    return ec ? ToolFileResult::WriteFailed : ToolFileResult::Done;
}

ToolFileResult DeleteToolFile(const std::string& toolsFolder, ToolKind kind, const std::string& name) {
    const std::string path = ToolFilePath(toolsFolder, name, kind);
    if (!FileExists(path)) return ToolFileResult::NotFound;
    return DeleteFile(path) ? ToolFileResult::Done : ToolFileResult::WriteFailed;
}

bool LoadToolDraft(const std::string& toolsFolder, ToolKind kind, const std::string& name, ToolDraft& draft) {
    const std::string path = ToolFilePath(toolsFolder, name, kind);
    if (kind == ToolKind::Punch) {
        PunchRecord r;
        if (!LoadPunchRecord(r, path)) return false;
        draft = DraftFromPunch(r, name);
    } else {
        DieRecord r;
        if (!LoadDieRecord(r, path)) return false;
        draft = DraftFromDie(r, name);
    }
    return true;
}

}  // namespace zelpor
