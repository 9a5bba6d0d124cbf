#include <QCoreApplication>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <ostream>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/ReportModes.h"
#include "core/io/Files.h"
#include "core/report/JobList.h"
#include "core/workspace/IniFile.h"
#include "core/workspace/Workspace.h"

namespace zelpor::cli {

namespace {

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != kPathSeparator) folder += kPathSeparator;
    return folder;
}

// The configuration the window program reads, found the same way.
std::string ConfiguredToolsFolder() {
    std::error_code ec;
    const std::string executable = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) return {};
    QCoreApplication::setApplicationName(QStringLiteral("Zelpor_2"));
    const std::string userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
    const IniFile ini = IniFile::Load(ConfigFilePath(executable, userFolder));
    const std::string tools = ini.value(kIniSection, kKeyPathTools, "None");
    return tools == "None" ? std::string() : tools;
}

}  // namespace

std::string ToolsFolderFor(const Arguments& args) {
    if (const auto given = args.value("tools")) return WithSeparator(*given);
    if (std::string configured = ConfiguredToolsFolder(); !configured.empty()) return configured;
    return WithSeparator(CurrentWorkingDirectory()) + "Tools" + kPathSeparator;
}

bool OutputHasExtension(const Arguments& args, std::string_view ext) {
    const auto path = args.value("o");
    if (!path || path->size() < ext.size()) return false;
    return std::equal(ext.begin(), ext.end(), path->end() - static_cast<std::ptrdiff_t>(ext.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

bool LoadPartArgument(const std::string& path, PartRecord& part, std::ostream& err) {
    switch (ReadPartForReport(path, part)) {
    case PartFileState::Ok: return true;
    case PartFileState::Missing: err << "zelpor: cannot read '" << path << "': no such file\n"; return false;
    case PartFileState::NotAPart:
        err << "zelpor: '" << path << "' is not a part file (a part file holds " << PartRecord::kFileSize
            << " bytes)\n";
        return false;
    }
    return false;
}

SheetSource SheetSourceFor(const std::string& partPath, const Arguments& args) {
    namespace fs = std::filesystem;
    const fs::path path = fs::absolute(fs::path(partPath));
    SheetSource source;
    source.job = path.parent_path().filename().string();
    source.partName = path.stem().string();
    source.toolsFolder = ToolsFolderFor(args);
    std::error_code ec;
    const auto stamp = fs::last_write_time(path, ec);
    if (!ec) source.saved = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(stamp));
    source.now = std::time(nullptr);
    return source;
}

int WriteDocument(const Arguments& args, std::string_view bytes, std::ostream& out, std::ostream& err) {
    return WriteResult(args, bytes, out, err) ? kOk : kBadInput;
}

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance() != nullptr) return;
    // No display is needed to draw a document.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt's notes about the environment (no runtime folder, ...) are no news
    // for a batch run; real errors still reach standard error.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "zelpor: %s\n", qPrintable(message));
    });
    static int argc = 1;
    static char name[] = "zelpor";
    static char* argv[] = {name, nullptr};
    m_app = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace zelpor::cli
