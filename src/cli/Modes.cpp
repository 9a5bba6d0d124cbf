#include "cli/CommandLine.h"
#include "cli/ReportModes.h"

namespace zelpor::cli {

Mode SequenceMode();

// Each batch mode comes from its own file; this is the one list of them.
const std::vector<Mode>& Modes() {
    static const std::vector<Mode> modes = {
        SetupSheetMode(),
        JobListMode(),
        ExportCsvMode(),
        SequenceMode(),
    };
    return modes;
}

}  // namespace zelpor::cli
