#include "mainwindow/PartFiles.h"

#include "io/Files.h"
#include "io/FolderIndex.h"
#include "part/PartRecord.h"

namespace zelpor {

bool IsPlainName(std::string_view name) {
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    if (name.find("..") != std::string_view::npos) return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7f || c == '/' || c == '\\' || c == ':') return false;
    return true;
}

bool JobFolderHasFiles(const Workspace& ws) {
    if (!ws.hasJob() || !IsPlainName(ws.customer)) return false;
    // The first file answers, and only when the job folder changed: a job of
    // thousands of parts is not listed at every key.
    return FolderHasFile(ws.jobFolder());
}

std::optional<std::string> PartFileToDelete(const Workspace& ws, const std::string& partName) {
    if (!ws.hasJob() || !IsPlainName(ws.customer) || !IsPlainName(partName)) return std::nullopt;
    return PartFilePath(ws.pathCustomers, ws.customer, partName + ".pie");
}

}  // namespace zelpor
