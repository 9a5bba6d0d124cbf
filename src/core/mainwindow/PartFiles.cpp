#include "mainwindow/PartFiles.h"

#include "io/Files.h"
#include "part/PartRecord.h"

namespace zelpor {

bool JobFolderHasFiles(const Workspace& ws) {
    if (!ws.hasJob() || !IsPlainName(ws.customer)) return false;
    for (const FolderEntry& e : ListFolder(ws.jobFolder()))
        if (!e.isFolder) return true;
    return false;
}

std::optional<std::string> PartFileToDelete(const Workspace& ws, const std::string& partName) {
    if (!ws.hasJob() || !IsPlainName(ws.customer) || !IsPlainName(partName)) return std::nullopt;
    return PartFilePath(ws.pathCustomers, ws.customer, partName + ".pie");
}

}  // namespace zelpor
