// zelpor --setup-sheet PART.pie -o OUT.pdf
#include <ostream>

#include "cli/ReportModes.h"
#include "ui/print/SheetOutput.h"

namespace zelpor::cli {

namespace {

int Run(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.value("o") && !OutputHasExtension(args, ".pdf")) {
        err << "zelpor: --setup-sheet writes a PDF: the -o file must end in .pdf\n";
        return kBadInput;
    }
    const std::string& path = args.files.front();
    PartRecord part;
    if (!LoadPartArgument(path, part, err)) return kBadInput;
    const SetupSheet sheet = BuildSetupSheet(part, SheetSourceFor(path, args));
    for (const std::string& warning : sheet.warnings) err << "zelpor: " << warning << '\n';
    const OffscreenGui gui;
    const QByteArray pdf = SetupSheetPdf(sheet, part);
    if (pdf.isEmpty()) {
        err << "zelpor: the setup sheet of '" << path << "' could not be drawn\n";
        return kFailure;
    }
    return WriteDocument(args, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), out, err);
}

}  // namespace

Mode SetupSheetMode() {
    return {"setup-sheet",
            "PART.pie",
            "the setup sheet of a part as a PDF (A4, French)",
            {{"o", "OUT.pdf", "write the PDF here (else to standard output)"}, kToolsOption},
            &Run};
}

}  // namespace zelpor::cli
