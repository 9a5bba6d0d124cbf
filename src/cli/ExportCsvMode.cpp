// zelpor --export-csv PART.pie -o OUT.csv
#include <ostream>

#include "cli/ReportModes.h"

namespace zelpor::cli {

namespace {

int Run(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.value("o") && !OutputHasExtension(args, ".csv")) {
        err << "zelpor: --export-csv writes CSV: the -o file must end in .csv\n";
        return kBadInput;
    }
    const std::string& path = args.files.front();
    PartRecord part;
    if (!LoadPartArgument(path, part, err)) return kBadInput;
    // The bend table needs no tool file.
    SheetSource source = SheetSourceFor(path, args);
    source.toolsFolder.clear();
    const std::string csv = SetupSheetCsv(BuildSetupSheet(part, source));
    return WriteDocument(args, csv, out, err);
}

}  // namespace

Mode ExportCsvMode() {
    return {"export-csv",
            "PART.pie",
            "the bends of a part as CSV (UTF-8, \";\", one row per bend)",
            {{"o", "OUT.csv", "write the CSV here (else to standard output)"}},
            &Run};
}

}  // namespace zelpor::cli
