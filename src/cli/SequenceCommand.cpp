// zelpor --sequence PART.pie: the bending order without collision, found or
// checked from the command line, and stored in the part on request.
#include <QCoreApplication>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/CommandLine.h"
#include "core/io/Files.h"
#include "core/params/ParameterTable.h"
#include "core/part/PartRecord.h"
#include "core/sequence/AutoSequence.h"
#include "core/tools/ToolRecords.h"
#include "core/workspace/IniFile.h"
#include "core/workspace/Workspace.h"

namespace zelpor::cli {
namespace {

constexpr std::string_view kMode = "zelpor: --sequence: ";

// The tools folder of the program's configuration, as the window would use it.
std::string ConfiguredToolsFolder() {
    std::error_code ec;
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    // The window program's name places its configuration; whatever name the
    // process had is given back.
    const QString previous = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Zelpor_2"));
    const std::string userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
    QCoreApplication::setApplicationName(previous);
    const std::string ini = ConfigFilePath(exe, userFolder);
    const std::string value = IniFile::Load(ini).value(kIniSection, kKeyPathTools, "None");
    if (value != "None") return value;
    return CurrentWorkingDirectory() + "/Tools/";
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
}

struct Job {
    std::string partPath;
    std::vector<std::uint8_t> fileBytes;
    PartRecord part;
    TPoincon punch;
    TMatrice die;
    MachineLimits machine;
};

// The part, the tools and the machine, or a message on `err` and false.
bool Load(const Arguments& args, Job& job, std::ostream& err) {
    job.partPath = args.files.front();
    auto bytes = ReadFileBytes(job.partPath);
    if (!bytes) {
        err << kMode << "cannot read '" << job.partPath << "'\n";
        return false;
    }
    if (bytes->size() < PartRecord::kFileSize) {
        err << kMode << "'" << job.partPath << "' is not a part file (" << bytes->size() << " bytes, "
            << PartRecord::kFileSize << " expected)\n";
        return false;
    }
    job.fileBytes = *bytes;
    DecodePart(job.part, job.fileBytes);
    if (job.part.safeProfileBendCount() < 1) {
        err << kMode << "'" << job.partPath << "' has no drawn profile with bends\n";
        return false;
    }
    const std::optional<std::string> given = args.value("tools");
    const std::string tools = WithSeparator(given ? *given : ConfiguredToolsFolder());
    const BendRecord* stored = job.part.lastBend >= 0 ? &job.part.bends[0] : nullptr;
    job.punch.name = args.value("punch").value_or(stored ? stored->punch.str() : std::string());
    job.die.name = args.value("die").value_or(stored ? stored->die.str() : std::string());
    if (job.punch.name.empty() || job.die.name.empty()) {
        err << kMode << "no " << (job.punch.name.empty() ? "punch" : "die") << " stored in the part: name one with --"
            << (job.punch.name.empty() ? "punch" : "die") << '\n';
        return false;
    }
    if (!LoadPunchFile(job.punch, tools + job.punch.name + ".PUN") || job.punch.record.elementCount() == 0) {
        err << kMode << "cannot read the punch '" << tools << job.punch.name << ".PUN'\n";
        return false;
    }
    if (!LoadDieFile(job.die, tools + job.die.name + ".DIE") || job.die.record.elementCount() == 0) {
        err << kMode << "cannot read the die '" << tools << job.die.name << ".DIE'\n";
        return false;
    }
    // A die named on the command line is a die chosen for the sequence: the
    // corrections are worked out from it, as when it is chosen in the window.
    if (args.value("die")) ComputeSequenceCorrections(job.part, job.die.record.vOpening);
    ParameterTable table;
    if (LoadParameterTable(table, tools)) job.machine = MachineLimitsFrom(table);
    return true;
}

void Print(const PartRecord& part, const std::vector<ProgramStep>& steps, std::ostream& out) {
    for (std::size_t i = 0; i < steps.size(); ++i) out << ProgramStepLine(static_cast<int>(i), part, steps[i]) << '\n';
}

// The program stored by the window's own validations, written whole or not at all.
bool Store(Job& job, const std::vector<ProgramStep>& steps, std::ostream& err) {
    SequenceProgram program(job.part, job.punch, job.die);
    ApplyProgram(program, job.part, steps);
    std::vector<std::uint8_t> image = EncodePart(job.part);
    // Bytes a longer file holds past the part are kept.
    image.insert(image.end(), job.fileBytes.begin() + static_cast<std::ptrdiff_t>(image.size()), job.fileBytes.end());
    if (!WriteOverFileStart(job.partPath, image)) {
        err << kMode << "cannot write '" << job.partPath << "'\n";
        return false;
    }
    return true;
}

int RunSequence(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.has("apply") && args.has("check")) {
        err << kMode << "--apply and --check exclude each other\n";
        return kBadInput;
    }
    Job job;
    if (!Load(args, job, err)) return kBadInput;
    const CollisionSetup setup = PrepareCollisionSetup(job.punch.record, job.die.record, job.machine);

    if (args.has("check")) {
        const std::vector<ProgramStep> steps = CheckStoredProgram(setup, job.part);
        if (steps.empty()) {
            err << kMode << "'" << job.partPath << "' holds no bending order to check\n";
            return kBadInput;
        }
        Print(job.part, steps, out);
        const bool clear =
            std::none_of(steps.begin(), steps.end(), [](const ProgramStep& s) { return s.check.collides(); });
        out << (clear ? "Séquence sans collision" : "Séquence avec collision") << '\n';
        return clear ? kOk : kNoSolution;
    }

    const AutoSequence found = FindAutoSequence(setup, job.part);
    Print(job.part, found.steps, out);
    if (!found.collisionFree()) {
        out << "Aucune séquence sans collision\n";
        return kNoSolution;
    }
    out << "Séquence sans collision" << (found.exact ? "" : " (meilleure trouvée en 1 s)") << '\n';
    if (args.has("apply") && !Store(job, found.steps, err)) return kFailure;
    return kOk;
}

}  // namespace

Mode SequenceMode() {
    return {"sequence",
            "PART.pie",
            "bending order without collision, one line per step (exit 3 when there is none)",
            {{"tools", "DIR", "tools folder (default: the configured one)"},
             {"punch", "NAME", "punch to bend with (default: the part's)"},
             {"die", "NAME", "die to bend on (default: the part's)"},
             {"apply", "", "store the order found in the part"},
             {"check", "", "check the order stored in the part instead"}},
            RunSequence};
}

}  // namespace zelpor::cli
