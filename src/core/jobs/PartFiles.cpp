#include "core/jobs/PartFiles.h"

#include "core/io/Files.h"
#include "core/io/FolderIndex.h"
#include "core/part/PartRecord.h"

namespace zelpor {

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
