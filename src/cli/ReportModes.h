#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

#include "cli/CommandLine.h"
#include "core/part/PartRecord.h"
#include "core/report/SetupSheet.h"

// The batch modes that make documents: setup sheets, job lists, CSV exports.
namespace zelpor::cli {

Mode SetupSheetMode();
Mode JobListMode();
Mode ExportCsvMode();

// The tools folder of a mode: --tools DIR, else the configuration's
// "Path Tools", else "Tools" under the working directory. Ends with a separator.
std::string ToolsFolderFor(const Arguments& args);

// Whether the -o file (if any) has the extension `ext` (".pdf"), compared
// without regard to case.
bool OutputHasExtension(const Arguments& args, std::string_view ext);

// A Qt GUI application for drawing documents without a display: created only
// when none exists, on the offscreen platform unless the caller chose one.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    std::unique_ptr<QGuiApplication> m_app;
};

// Reads the part named on the command line; reports on `err` why it cannot
// be used (missing, not a file, too short for a part).
bool LoadPartArgument(const std::string& path, PartRecord& part, std::ostream& err);

// Job, part name and dates of a part file for its sheet.
SheetSource SheetSourceFor(const std::string& partPath, const Arguments& args);

// Writes a document's bytes as the mode's result; a failure is reported and
// gives the exit code for bad input (the -o path cannot be written).
int WriteDocument(const Arguments& args, std::string_view bytes, std::ostream& out, std::ostream& err);

// The option every document mode takes.
inline const OptionSpec kToolsOption{"tools", "DIR", "folder of the punch and die files"};

}  // namespace zelpor::cli
