#pragma once

#include <string>
#include <vector>

#include "core/part/PartRecord.h"

namespace zelpor {

enum class PartFileState { Ok, Missing, NotAPart };

// Reads a part for a document (read-only files are fine: nothing is
// written). A file shorter than a part record is not a part.
PartFileState ReadPartForReport(const std::string& path, PartRecord& part);

// One part of a job as the job list shows it.
struct JobListRow {
    std::string part;
    std::string comment;
    std::string thickness;
    std::string material;
    std::string bends;
    std::string punches;  // names joined by ", "
    std::string dies;
    std::string developedLength;
    bool damaged = false;  // the file is not a complete part: only its name is listed
};

struct JobList {
    std::string job;
    std::vector<JobListRow> rows;
};

// The part files (".pie") of a job folder in the order of the part list.
std::vector<std::string> JobPartFiles(const std::string& jobFolder);

JobListRow JobListRowOf(const std::string& partName, const PartRecord& part);

// Every part of the job folder; false when the folder does not exist.
bool BuildJobList(const std::string& jobFolder, JobList& list);

std::string JobListCsv(const JobList& list);

}  // namespace zelpor
