#pragma once

#include <QObject>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;

namespace zelpor {

struct AppState;
class MessageService;
class PrintDestinations;

// The main window's printing: the tool bar's "Print|" button and the
// "&Piéces" entry "Fiche de réglage" give the setup sheet of the current part;
// "Menu" > "Liste" gives the list of the job's parts. Each goes to the
// printer, a PDF or a CSV file.
class PrintMenus final : public QObject {
    Q_OBJECT
public:
    // Adds "Fiche de réglage" to `partsMenu`, enables and connects `jobList`
    // and the window's "SpeedButton3".
    PrintMenus(QMainWindow& window, AppState& state, MessageService& messages, QAction* jobList, QMenu* partsMenu);
    ~PrintMenus() override;

    // Tests answer the choice of destination themselves.
    void setDestinations(PrintDestinations* destinations) { m_destinations = destinations; }

    void printSetupSheet();
    void printJobList();

private:
    void status(const QString& text);
    bool save(const QString& path, const QByteArray& bytes);

    QMainWindow& m_window;
    AppState& m_state;
    MessageService& m_messages;
    std::unique_ptr<PrintDestinations> m_dialogs;
    PrintDestinations* m_destinations = nullptr;
};

}  // namespace zelpor
