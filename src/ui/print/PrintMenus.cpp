#include "ui/print/PrintMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QTextDocument>
#include <QToolButton>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>

#include "ui/common/FunctionPanel.h"
#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "core/jobs/JobsAndParts.h"
#include "ui/print/DocumentPages.h"
#include "ui/print/JobListPages.h"
#include "ui/print/PrintDestinations.h"
#include "ui/print/SheetDocuments.h"
#include "ui/print/SheetOutput.h"
#include "core/report/ReportText.h"
#include "core/report/WholeFile.h"
#include "core/workspace/AppState.h"

namespace zelpor {

namespace {

std::optional<std::time_t> LastSaved(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto stamp = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    const auto system = std::chrono::file_clock::to_sys(stamp);
    return std::chrono::system_clock::to_time_t(system);
}

}  // namespace

PrintMenus::PrintMenus(QMainWindow& window, AppState& state, MessageService& messages, QAction* jobList,
                       QMenu* partsMenu)
    : QObject(&window),
      m_window(window),
      m_state(state),
      m_messages(messages),
      m_dialogs(std::make_unique<DialogPrintDestinations>()),
      m_destinations(m_dialogs.get()) {
    setObjectName(QStringLiteral("PrintMenus"));
    QAction* sheet = partsMenu->addAction(QStringLiteral("Fiche de réglage"));
    sheet->setObjectName(QStringLiteral("FicheReglage1"));
    sheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(sheet, &QAction::triggered, this, &PrintMenus::printSetupSheet);
    jobList->setEnabled(true);
    jobList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(jobList, &QAction::triggered, this, &PrintMenus::printJobList);
    if (auto* button = window.findChild<QToolButton*>(QStringLiteral("SpeedButton3"))) {
        button->setEnabled(true);
        connect(button, &QToolButton::clicked, this, &PrintMenus::printSetupSheet);
    }
}

PrintMenus::~PrintMenus() = default;

void PrintMenus::status(const QString& text) {
    if (auto* panel = m_window.findChild<StatusPanel*>(QStringLiteral("StatusBar1"))) panel->setText(text);
}

bool PrintMenus::save(const QString& path, const QByteArray& bytes) {
    const std::string failure =
        bytes.isEmpty() ? "document vide"
                        : WriteWholeFile(path.toStdString(),
                                         std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (failure.empty()) {
        status(QStringLiteral("Enregistré : ") + path);
        return true;
    }
    m_messages.warn(&m_window, QStringLiteral("Impossible d'enregistrer ") + path + QStringLiteral(" : ") +
                                   QString::fromLocal8Bit(failure.c_str()));
    return false;
}

void PrintMenus::printSetupSheet() {
    const Workspace& ws = m_state.workspace;
    if (!ws.hasJob() || ws.part.empty()) {
        m_messages.warn(&m_window, QStringLiteral("Aucune pièce à imprimer"));
        return;
    }
    SheetSource source;
    source.job = ws.customer;
    source.partName = ws.part;
    source.toolsFolder = ws.pathTools;
    source.saved = LastSaved(ws.partFilePath());
    source.now = std::time(nullptr);
    const SetupSheet sheet = BuildSetupSheet(m_state.part, source);
    const QString title = SetupSheetTitle(sheet);
    const PrintDestination where =
        m_destinations->choose(&m_window, QStringLiteral("Fiche de réglage"), FromLocal(ws.part));
    switch (where.kind) {
    case PrintDestination::Kind::Cancel: return;
    case PrintDestination::Kind::Printer: {
        const auto doc = SetupSheetDocument(sheet, m_state.part);
        if (m_destinations->print(&m_window,
                                  [&](QPagedPaintDevice& device) { return PaintDocument(*doc, device, title); }))
            status(QStringLiteral("Fiche de réglage imprimée"));
        return;
    }
    case PrintDestination::Kind::Pdf: save(where.path, SetupSheetPdf(sheet, m_state.part)); return;
    case PrintDestination::Kind::Csv: save(where.path, QByteArray::fromStdString(SetupSheetCsv(sheet))); return;
    }
}

void PrintMenus::printJobList() {
    const Workspace& ws = m_state.workspace;
    if (!ws.hasJob()) {
        m_messages.warn(&m_window, QStringLiteral("Aucune affaire choisie"));
        return;
    }
    // The part on screen is listed as it stands, not as it was last saved.
    const std::string unsaved = SaveCurrentPartBeforeDialog(m_state);
    if (!unsaved.empty())
        m_messages.warn(&m_window, QStringLiteral("Impossible d'enregistrer ") + QString::fromStdString(unsaved));
    JobList list;
    list.job = ws.customer;
    if (!BuildJobList(ws.jobFolder(), list)) {
        m_messages.warn(&m_window, QStringLiteral("Dossier introuvable : ") + QString::fromStdString(ws.jobFolder()));
        return;
    }
    const PrintDestination where =
        m_destinations->choose(&m_window, QStringLiteral("Liste des pièces"), FromLocal(ws.customer));
    switch (where.kind) {
    case PrintDestination::Kind::Cancel: return;
    case PrintDestination::Kind::Printer: {
        const QString printed = QString::fromStdString(ShownDate(std::time(nullptr)));
        const QString title = JobListTitle(list);
        if (m_destinations->print(
                &m_window, [&](QPagedPaintDevice& device) { return PaintJobList(list, printed, device, title); }))
            status(QStringLiteral("Liste imprimée"));
        return;
    }
    case PrintDestination::Kind::Pdf: save(where.path, JobListPdf(list, std::time(nullptr))); return;
    case PrintDestination::Kind::Csv: save(where.path, QByteArray::fromStdString(JobListCsv(list))); return;
    }
}

}  // namespace zelpor
