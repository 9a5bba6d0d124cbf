// The eleven settings of the current bend and the bend header.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "bendview/BendViewWidget.h"
#include "common/Latin1.h"
#include "mainwindow/BendChain.h"
#include "mainwindow/BendCursor.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SettingFields.h"
#include "text/Numbers.h"
#include "workspace/AppState.h"

namespace zelpor {

namespace {

QString Fixed2(double v) { return QString::fromStdString(FormatFixed(v, 2)); }

// Writes a field without running its change handling.
void WriteQuietly(QLineEdit* e, const QString& text) {
    const QSignalBlocker block(e);
    e->setText(text);
}

// The order in which a bend's settings are shown: "Y" after "Angle", whose
// change brings Y in line with the angle first.
const char* const kShowOrder[] = {"Eangle",   "Eaxey",  "Epmh",     "Eaxe1",        "Eretract",   "Etemps_next",
                                  "Eforce",   "Evitesse", "Edecompress", "Etemps_force", "Evit_decomp"};

}  // namespace

int MainWindow::settingIndexOf(QObject* w) const {
    for (int i = 0; i < kSettingFieldCount; ++i)
        if (m_settings[i] == w) return i;
    return -1;
}

// A program write. With the change handling attached, a text that differs
// from the one shown is stored back as parsed, exactly as if typed; detached,
// the stored value keeps its full precision.
void MainWindow::writeSetting(int index, const QString& text, bool changeHandling) {
    QLineEdit* e = m_settings[index];
    const bool differs = e->text() != text;
    WriteQuietly(e, text);
    if (changeHandling && differs) {
        if (index == 0) EangleChange();
        else settingChange(index);
    }
}

void MainWindow::showForce() {
    if (const BendRecord* bend = m_state.part.currentBendRecord())
        writeSetting(SettingFieldIndex("Eforce"), Fixed2(bend->force), false);
}

// ---- the fields' handlers -------------------------------------------------------

void MainWindow::settingEnter(int index) {
    QLineEdit* e = m_settings[index];
    e->setReadOnly(false);
    paintFocused(e, true);
    e->setCursorPosition(0);
    for (QPushButton* b : m_buttons) b->hide();
    if (index == SettingFieldIndex("Eaxey")) setStatus(QStringLiteral("× Calcul automatique "));
}

void MainWindow::settingExit(int index) {
    m_settings[index]->setReadOnly(true);
    if (index == SettingFieldIndex("Eaxey")) setStatus(QString());
}

bool MainWindow::settingKeyDown(int index, QKeyEvent* e) {
    NavKey key;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = NavKey::Enter;
        break;
    case Qt::Key_Up:
        key = NavKey::Up;
        break;
    case Qt::Key_Down:
        key = NavKey::Down;
        break;
    case Qt::Key_Right:
        key = NavKey::Right;
        break;
    case Qt::Key_Left:
        key = NavKey::Left;
        break;
    default:
        return false;
    }
    const char* target = SettingFieldTarget(kSettingFields[index], key, m_settings[index]->text().isEmpty());
    if (!target) return true;
    if (QWidget* w = centralWidget()->findChild<QWidget*>(QLatin1String(target))) focusField(w);
    return true;
}

void MainWindow::settingChange(int index) {
    StoreSettingText(m_state.part, kSettingFields[index], ToLatin1(m_settings[index]->text()));
}

void MainWindow::EangleChange() {
    settingChange(0);
    if (RecomputeYDepth(m_state)) ShowYDepth();
}

// ---- computations shown -----------------------------------------------------------

void MainWindow::ShowYDepth() {
    if (const BendRecord* bend = m_state.part.currentBendRecord())
        writeSetting(SettingFieldIndex("Eaxey"), Fixed2(bend->y), false);
}

void MainWindow::UpdateBendForce() {
    // In the graphic view the force is stored; its field is refreshed when shown.
    if (UpdateBendForceValue(m_state) && m_viewMode == ViewMode::Numeric) showForce();
}

void MainWindow::ShowBendHeader() {
    PartRecord& part = m_state.part;
    WriteQuietly(m_edit3, FromLatin1(BendPositionText(part)));
    if (part.thickness != 0) {
        const QString t = Fixed2(part.thickness);
        if (part.graphicProfile) {
            // The profile was drawn in this thickness: it can no longer change.
            m_edit4->hide();
            m_edit6->show();
            m_edit6->setText(t);
        } else {
            m_edit4->show();
            WriteQuietly(m_edit4, t);
            m_edit6->hide();
        }
    }
    const BendRecord* bend = part.currentBendRecord();
    if (bend && bend->length > 0) WriteQuietly(m_edit5, QString::fromStdString(FormatFixed(bend->length, 0)));
    {
        const QSignalBlocker block(m_material);
        m_material->clear();
        m_material->addItem(FromLatin1(part.material.str()));
        m_material->setCurrentIndex(0);
    }
    if (!bend) return;
    const std::string punch = bend->punch.str();
    const std::string die = bend->die.str();
    if (!punch.empty()) {
        m_state.loadPunch(punch);
        const QSignalBlocker block(m_punch);
        m_punch->clear();
        m_punch->addItem(FromLatin1(punch));
        m_punch->setCurrentIndex(0);
    }
    if (!die.empty()) {
        m_state.loadDie(die);
        const QSignalBlocker block(m_die);
        m_die->clear();
        m_die->addItem(FromLatin1(die));
        m_die->setCurrentIndex(0);
    }
    m_punch->setEnabled(!part.graphicProfile);
    m_die->setEnabled(!part.graphicProfile);
}

void MainWindow::ShowBendNumeric() {
    m_bendView->hide();
    for (QFrame* p : m_panels) p->show();
    m_zoomMenu->menuAction()->setVisible(false);
    ShowBendHeader();
    m_settingCaptions[SettingFieldIndex("Epmh")]->setText(QStringLiteral("Ouverture ="));
    const BendRecord* bend = m_state.part.currentBendRecord();
    for (const char* name : kShowOrder) {
        const int i = SettingFieldIndex(name);
        // Read the value only now: an angle shown just before may have moved Y.
        const QString text = bend ? Fixed2(bend->*kSettingFields[i].member) : QString();
        writeSetting(i, text, true);
    }
}

void MainWindow::ShowBendGraphic() {
    ShowBendHeader();
    // The settings are about to disappear: the keyboard goes back to the bend.
    if (settingIndexOf(m_current) >= 0) focusField(m_edit3);
    for (QFrame* p : m_panels) p->hide();
    m_bendView->show();
    m_zoomMenu->menuAction()->setVisible(true);
    // "Zoom Tout" is disabled by the fit; a bend without a drawing keeps the view.
    m_bendView->rebuild();
}

}  // namespace zelpor
