#include "core/report/JobList.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/io/Files.h"
#include "core/report/ReportText.h"
#include "core/sequence/SequenceProgram.h"

namespace zelpor {

namespace {

constexpr std::string_view kPartExtension = ".pie";

bool HasPartExtension(const std::string& name) {
    if (name.size() <= kPartExtension.size()) return false;
    const std::string tail = name.substr(name.size() - kPartExtension.size());
    return std::equal(tail.begin(), tail.end(), kPartExtension.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::string JoinNames(const PartRecord& part, FixedText<25> BendRecord::*member) {
    std::vector<std::string> names;
    for (int i = 0; i < part.bendCount(); ++i) {
        std::string name = ShownText((part.bends[static_cast<std::size_t>(i)].*member).str());
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    std::string joined;
    for (const std::string& n : names) joined += (joined.empty() ? "" : ", ") + n;
    return joined;
}

}  // namespace

PartFileState ReadPartForReport(const std::string& path, PartRecord& part) {
    std::error_code ec;
    const std::string actual = ResolveCaseInsensitive(path);
    if (!std::filesystem::exists(actual, ec)) return PartFileState::Missing;
    if (!std::filesystem::is_regular_file(actual, ec)) return PartFileState::NotAPart;
    const auto bytes = ReadFileBytes(actual, PartRecord::kFileSize);
    if (!bytes) return PartFileState::Missing;
    if (bytes->size() < PartRecord::kFileSize) return PartFileState::NotAPart;
    part = PartRecord{};
    DecodePart(part, *bytes);
    return PartFileState::Ok;
}

std::vector<std::string> JobPartFiles(const std::string& jobFolder) {
    std::vector<FolderEntry> entries = ListFolder(jobFolder);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const FolderEntry& a, const FolderEntry& b) { return FolderOrderLess(a.name, b.name); });
    std::vector<std::string> files;
    for (const FolderEntry& e : entries)
        if (!e.isFolder && !e.hidden && HasPartExtension(e.name)) files.push_back(e.name);
    return files;
}

JobListRow JobListRowOf(const std::string& partName, const PartRecord& part) {
    JobListRow row;
    row.part = partName;
    row.comment = ShownText(part.comment.str());
    row.thickness = ShownNumber(part.thickness, 2);
    row.material = ShownText(part.material.str());
    row.bends = std::to_string(part.bendCount());
    row.punches = JoinNames(part, &BendRecord::punch);
    row.dies = JoinNames(part, &BendRecord::die);
    if (part.graphicProfile && part.safeProfileBendCount() > 0)
        row.developedLength = ShownNumber(DevelopedLength(part), 2);
    return row;
}

bool BuildJobList(const std::string& jobFolder, JobList& list) {
    if (!FolderExists(jobFolder)) return false;
    list.rows.clear();
    const std::string folder = jobFolder.ends_with(kPathSeparator) ? jobFolder : jobFolder + kPathSeparator;
    PartRecord part;
    for (const std::string& file : JobPartFiles(jobFolder)) {
        const std::string name = ShownFileName(file.substr(0, file.size() - kPartExtension.size()));
        if (ReadPartForReport(folder + file, part) == PartFileState::Ok) {
            list.rows.push_back(JobListRowOf(name, part));
        } else {
            JobListRow row;
            row.part = name;
            row.comment = "fichier incomplet";
            row.damaged = true;
            list.rows.push_back(std::move(row));
        }
    }
    return true;
}

std::string JobListCsv(const JobList& list) {
    std::string csv = CsvRow({"Piece", "Commentaire", "Epaisseur (mm)", "Matiere", "Plis", "Poinçons", "Matrices",
                              "Longueur développée (mm)"});
    for (const JobListRow& r : list.rows)
        csv += CsvRow({r.part, r.comment, r.thickness, r.material, r.bends, r.punches, r.dies, r.developedLength});
    return csv;
}

}  // namespace zelpor
