// zelpor --job-list JOBFOLDER -o OUT.pdf | OUT.csv
#include <filesystem>
#include <ostream>

#include "cli/ReportModes.h"
#include "ui/print/SheetOutput.h"
#include "core/report/JobList.h"

namespace zelpor::cli {

namespace {

int Run(const Arguments& args, std::ostream& out, std::ostream& err) {
    const bool pdf = OutputHasExtension(args, ".pdf");
    if (args.value("o") && !pdf && !OutputHasExtension(args, ".csv")) {
        err << "zelpor: --job-list writes a PDF or CSV: the -o file must end in .pdf or .csv\n";
        return kBadInput;
    }
    const std::string& folder = args.files.front();
    JobList list;
    std::filesystem::path jobPath = std::filesystem::path(folder).lexically_normal();
    if (!jobPath.has_filename()) jobPath = jobPath.parent_path();  // "JOB/" names the job JOB
    list.job = jobPath.filename().string();
    if (!BuildJobList(folder, list)) {
        err << "zelpor: cannot read the job folder '" << folder << "': no such folder\n";
        return kBadInput;
    }
    for (const JobListRow& row : list.rows)
        if (row.damaged) err << "zelpor: warning: '" << row.part << "' is not a complete part file\n";
    if (!pdf) return WriteDocument(args, JobListCsv(list), out, err);
    const OffscreenGui gui;
    const QByteArray bytes = JobListPdf(list, std::time(nullptr));
    if (bytes.isEmpty()) {
        err << "zelpor: the job list of '" << folder << "' could not be drawn\n";
        return kFailure;
    }
    return WriteDocument(args, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), out, err);
}

}  // namespace

Mode JobListMode() {
    return {"job-list",
            "JOBFOLDER",
            "the parts of a job, as PDF or CSV by the -o extension",
            {{"o", "OUT.pdf|OUT.csv", "write the list here (else CSV to standard output)"}},
            &Run};
}

}  // namespace zelpor::cli
