#include "ui/params/ParameterWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "ui/common/FunctionPanel.h"
#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/SaveFailures.h"
#include "ui/common/WindowSet.h"
#include "core/io/Files.h"
#include "core/params/ParameterEntry.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

constexpr int kColNumber = 16, kColDesignation = 140, kColValue = 572, kColUnit = 684;
constexpr int kHeaderTop = 16, kFirstRowTop = 52, kRowPitch = 30;

// Focused field teal, resting fields in the colour of an inactive caption.
const QColor kFocused(0, 128, 128);
const QColor kResting(191, 205, 219);

}  // namespace

ParameterWindow::ParameterWindow(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    setObjectName(QStringLiteral("TFormParametre"));
    setWindowTitle(QStringLiteral("Zelpor_2       Parametres"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(795, 572);

    QFont bold = font();
    bold.setBold(true);
    auto header = [&](const QString& text, int x, int w) {
        auto* l = new QLabel(text, this);
        l->setFont(bold);
        l->setGeometry(x, kHeaderTop, w, 21);
    };
    header(QStringLiteral("N\u00B0de parametre"), kColNumber, 110);
    header(QStringLiteral("Designation"), kColDesignation, 430);
    header(QStringLiteral("Valeur"), kColValue, 100);
    header(QStringLiteral("Unit\u00E9"), kColUnit, 100);

    // The platform's fixed-pitch face: asking for a face that is not installed
    // costs a font search at every start.
    QFont courier = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    courier.setPointSize(10);
    for (int r = 1; r <= kRows; ++r) {
        const int y = kFirstRowTop + (r - 1) * kRowPitch;
        const QString n = QString::number(r);
        Row& row = m_rows[static_cast<std::size_t>(r - 1)];
        auto cell = [&](const QString& name, int x, int w) {
            auto* l = new QLabel(this);
            l->setObjectName(name + n);
            l->setGeometry(x, y, w, 21);
            return l;
        };
        row.number = cell(QStringLiteral("Numero"), kColNumber, 100);
        row.designation = cell(QStringLiteral("Designation"), kColDesignation, 430);
        row.value = new QLineEdit(this);
        row.value->setObjectName(QStringLiteral("Edit") + n);
        row.value->setFont(courier);
        row.value->setGeometry(kColValue, y - 2, 100, 24);
        row.value->setAutoFillBackground(true);
        setFieldColour(row.value, false);
        row.value->installEventFilter(this);
        row.unit = cell(QStringLiteral("Unite"), kColUnit, 100);
        connect(row.value, &QLineEdit::textEdited, this, [this, r] {
            if (RowTakesInput(m_table, m_page, r)) fieldChanged(r);
        });
    }

    // The bottom panel: the status line above the eight buttons.
    m_status = new StatusPanel(this);
    m_status->setGeometry(0, 477, 795, 19);
    m_buttons = new FunctionButtonPanel(this);
    m_buttons->setGeometry(0, 498, 795, 74);
    connect(m_buttons->button(1), &QToolButton::clicked, this, &ParameterWindow::onNextPage);
    connect(m_buttons->button(2), &QToolButton::clicked, this, &ParameterWindow::onPreviousPage);
    connect(m_buttons->button(8), &QToolButton::clicked, this, &ParameterWindow::onReturn);
    // The table is loaded once, when the window is created at start-up; the
    // tools folder is known by then.
    loadTable();
}

bool ParameterWindow::loadTable() { return LoadParameterTable(m_table, m_state.workspace.pathTools); }

void ParameterWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void ParameterWindow::FormActivate() {
    for (int n = 3; n <= 7; ++n) m_buttons->button(n)->hide();
    m_buttons->setButton(8, QStringLiteral("Retour"), QStyle::SP_DialogCloseButton);
    showPage(0);
}

// The paging buttons lead only to pages that hold entries, so with a table of
// twelve entries or fewer they stay disabled.
void ParameterWindow::showPage(int page) {
    m_page = page;
    m_buttons->setButton(1, QStringLiteral("Page suivante"), QStyle::SP_ArrowRight, NextPage(m_table, page) >= 0);
    m_buttons->setButton(2, QStringLiteral("Page precedante"), QStyle::SP_ArrowLeft, PreviousPage(m_table, page) >= 0);

    for (int r = 1; r <= kRows; ++r) {
        const MachineParameter& e = entry(r);
        Row& row = m_rows[static_cast<std::size_t>(r - 1)];
        // Fields that store nothing (read-only or unused entries, display-only
        // rows) refuse pasting as well as typing, so the screen never shows a
        // value that is not the stored one.
        row.value->setReadOnly(!RowTakesInput(m_table, page, r) || e.number == 0 || e.modifiable == 0);
        // An unused entry shows an empty row, whatever the page before showed there.
        const bool used = e.number != 0;
        row.number->setText(used ? QString::number(e.number) : QString());
        row.designation->setText(used ? FromLatin1(e.designation.str()) : QString());
        row.value->setText(used ? QString::fromStdString(FormatParameterValue(e)) : QString());
        row.unit->setText(used ? FromLatin1(e.unit.str()) : QString());
    }
    int first = 1;
    while (page > 0 && first < kRows && !RowTakesInput(m_table, page, first)) ++first;
    // A field that keeps the focus across pages takes on its new entry.
    QLineEdit* field = m_rows[static_cast<std::size_t>(first - 1)].value;
    if (field->hasFocus() && RowTakesInput(m_table, page, first)) fieldFocusIn(first);
    else field->setFocus();
}

void ParameterWindow::onNextPage() {
    if (const int next = NextPage(m_table, m_page); next >= 0) showPage(next);
}

void ParameterWindow::onPreviousPage() {
    if (const int previous = PreviousPage(m_table, m_page); previous >= 0) showPage(previous);
}

bool ParameterWindow::pageKey(int key) {
    switch (key) {
    case Qt::Key_F1: onNextPage(); return true;
    case Qt::Key_F2: onPreviousPage(); return true;
    case Qt::Key_F8: done(QDialog::Rejected); return true;
    default: return false;
    }
}

int ParameterWindow::rowOf(QObject* watched) const {
    for (int r = 1; r <= kRows; ++r)
        if (m_rows[static_cast<std::size_t>(r - 1)].value == watched) return r;
    return 0;
}

bool ParameterWindow::eventFilter(QObject* watched, QEvent* event) {
    const int row = rowOf(watched);
    if (row == 0) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && pageKey(static_cast<QKeyEvent*>(event)->key())) return true;
    // Rows 8 to 12 of the first page and unused entries only display.
    if (!RowTakesInput(m_table, m_page, row)) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: fieldFocusIn(row); break;
    case QEvent::FocusOut: fieldFocusOut(row); break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (fieldKeyDown(row, key) || fieldKeyPress(row, key)) return true;
        break;
    }
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void ParameterWindow::setFieldColour(QLineEdit* field, bool focused) {
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, focused ? kFocused : kResting);
    field->setPalette(pal);
}

void ParameterWindow::fieldFocusIn(int row) {
    QLineEdit* field = m_rows[static_cast<std::size_t>(row - 1)].value;
    setFieldColour(field, true);
    m_status->setText(QString::fromStdString(m_page == 0 ? ParameterFocusMessage(row, entry(row))
                                                         : LaterPageFocusMessage(entry(row))));
    // Entering a field puts the caret at its start, so the first character
    // typed begins a new value.
    const int length = static_cast<int>(field->text().size());
    field->setSelection(length, -length);
}

void ParameterWindow::fieldFocusOut(int row) {
    setFieldColour(m_rows[static_cast<std::size_t>(row - 1)].value, false);
    m_status->setText(QString());
}

bool ParameterWindow::fieldKeyDown(int row, QKeyEvent* key) {
    int target = 0;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down: target = m_page == 0 ? row + 1 : neighbourRow(row, 1); break;
    case Qt::Key_Up: target = m_page == 0 ? (row == 1 ? kRows : row - 1) : neighbourRow(row, -1); break;
    default: return false;
    }
    m_rows[static_cast<std::size_t>(target - 1)].value->setFocus(Qt::TabFocusReason);
    return true;
}

// On the later pages the keys go round the rows that take input.
int ParameterWindow::neighbourRow(int row, int step) const {
    int r = row;
    do {
        r = (r - 1 + step + kRows) % kRows + 1;
    } while (r != row && !RowTakesInput(m_table, m_page, r));
    return r;
}

bool ParameterWindow::fieldKeyPress(int row, QKeyEvent* key) {
    const QString text = key->text();
    const bool backspace = key->key() == Qt::Key_Backspace;
    const bool isCharacter = backspace || (text.size() == 1 && text[0].isPrint());
    QLineEdit* field = m_rows[static_cast<std::size_t>(row - 1)].value;
    if (entry(row).modifiable == 0) {
        // Nothing typed may change a read-only entry, editing keys included.
        return isCharacter || key->key() == Qt::Key_Delete || key->matches(QKeySequence::Paste) ||
               key->matches(QKeySequence::Cut);
    }
    if (!isCharacter) return false;
    const char32_t c = backspace ? U'\b' : text[0].unicode();
    const bool caretAtStart =
        field->cursorPosition() == 0 || (field->hasSelectedText() && field->selectionStart() == 0);
    if (!AcceptsParameterCharacter(c, caretAtStart)) {
        QApplication::beep();
        return true;
    }
    if (caretAtStart) {
        // Typing at the start begins a new value: empty the field quietly first.
        const QSignalBlocker block(field);
        field->clear();
    }
    return false;  // the field inserts the character and reports the edit
}

void ParameterWindow::fieldChanged(int row) {
    QLineEdit* field = m_rows[static_cast<std::size_t>(row - 1)].value;
    MachineParameter& e = entry(row);
    const std::string typed = ToLatin1(field->text());
    const TypedValueOutcome out = m_page == 0 ? ValidateTypedValue(row, e, typed) : ValidateLaterPageValue(e, typed);
    if (out.store) e.value = *out.store;
    if (out.message != EntryMessage::Unchanged)
        m_status->setText(QString::fromUtf8(EntryMessageText(out.message).data(),
                                            static_cast<qsizetype>(EntryMessageText(out.message).size())));
    if (out.rewrite) rewrite(row, *out.rewrite);
}

void ParameterWindow::rewrite(int row, const std::string& text) {
    QLineEdit* field = m_rows[static_cast<std::size_t>(row - 1)].value;
    const QSignalBlocker block(field);
    field->setText(QString::fromStdString(text));
    // A rewritten field takes the caret to its start: the next digit starts over.
    field->setCursorPosition(0);
}

void ParameterWindow::keyPressEvent(QKeyEvent* event) {
    if (pageKey(event->key())) return;
    QDialog::keyPressEvent(event);
}

void ParameterWindow::onReturn() { done(QDialog::Rejected); }

void ParameterWindow::done(int result) {
    saveTable();
    QDialog::done(result);
}

void ParameterWindow::saveTable() {
    if (SaveParameterTable(m_table, m_state.workspace.pathTools)) return;
    ReportNotSaved(m_messages, this, ParametersNotSavedText(ParameterFilePath(m_state.workspace.pathTools)));
}

}  // namespace zelpor
