// The eleven settings of the current bend and the bend header.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "ui/bendview/BendViewWidget.h"
#include "ui/common/Latin1.h"
#include "core/bendentry/BendChain.h"
#include "core/bendentry/BendCursor.h"
#include "ui/mainwindow/MainWindow.h"
#include "core/bendentry/SettingFields.h"
#include "core/text/Numbers.h"
#include "core/workspace/AppState.h"

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
constexpr Setting kShowOrder[] = {Setting::Angle,      Setting::Y,         Setting::Opening,        Setting::X,
                                  Setting::Retract,    Setting::Delay,     Setting::Force,          Setting::Speed,
                                  Setting::Decompress, Setting::PressTime, Setting::DecompressSpeed};

}  // namespace

// A program write. With the change handling attached, a text that differs
// from the one shown is stored back as parsed, exactly as if typed; detached,
// the stored value keeps its full precision.
void MainWindow::writeSetting(Setting s, const QString& text, bool changeHandling) {
    QLineEdit* e = settingField(s);
    const bool differs = e->text() != text;
    WriteQuietly(e, text);
    if (changeHandling && differs) {
        if (s == Setting::Angle) onAngleChanged();
        else onSettingChanged(s);
    }
}

void MainWindow::showForce() {
    if (const BendRecord* bend = m_state.part.currentBendRecord())
        writeSetting(Setting::Force, Fixed2(bend->force), false);
}

// ---- the fields' handlers -------------------------------------------------------

void MainWindow::onSettingEntered(Setting s) {
    QLineEdit* e = settingField(s);
    e->setReadOnly(false);
    paintFocused(e, true);
    e->setCursorPosition(0);
    for (QPushButton* b : m_functionButtons) b->hide();
    if (s == Setting::Y) setStatus(QStringLiteral("× Calcul automatique "));
}

void MainWindow::onSettingLeft(Setting s) {
    settingField(s)->setReadOnly(true);
    if (s == Setting::Y) setStatus(QString());
    paintFocused(settingField(s), false);
}

void MainWindow::onSettingChanged(Setting s) {
    StoreSettingText(m_state.part, SettingFieldOf(s), ToLatin1(settingField(s)->text()));
}

void MainWindow::onAngleChanged() {
    onSettingChanged(Setting::Angle);
    if (RecomputeYDepth(m_state)) showYDepth();
}

// ---- computations shown -----------------------------------------------------------

void MainWindow::showYDepth() {
    if (const BendRecord* bend = m_state.part.currentBendRecord()) writeSetting(Setting::Y, Fixed2(bend->y), false);
}

void MainWindow::updateBendForce() {
    // In the graphic view the force is stored; its field is refreshed when shown.
    if (UpdateBendForceValue(m_state) && m_viewMode == ViewMode::Numeric) showForce();
}

void MainWindow::showBendHeader() {
    PartRecord& part = m_state.part;
    WriteQuietly(m_bendField, FromLatin1(BendPositionText(part)));
    if (part.thickness != 0) {
        const QString t = Fixed2(part.thickness);
        if (part.graphicProfile) {
            // The profile was drawn in this thickness: it can no longer change.
            m_thicknessField->hide();
            m_drawnThicknessField->show();
            m_drawnThicknessField->setText(t);
        } else {
            m_thicknessField->show();
            WriteQuietly(m_thicknessField, t);
            m_drawnThicknessField->hide();
        }
    }
    const BendRecord* bend = part.currentBendRecord();
    if (bend && bend->length > 0) WriteQuietly(m_lengthField, QString::fromStdString(FormatFixed(bend->length, 0)));
    {
        const QSignalBlocker block(m_materialList);
        m_materialList->clear();
        m_materialList->addItem(FromLatin1(part.material.str()));
        m_materialList->setCurrentIndex(0);
    }
    if (!bend) return;
    const std::string punch = bend->punch.str();
    const std::string die = bend->die.str();
    if (!punch.empty()) {
        m_state.loadPunch(punch);
        const QSignalBlocker block(m_punchList);
        m_punchList->clear();
        m_punchList->addItem(FromLatin1(punch));
        m_punchList->setCurrentIndex(0);
    }
    if (!die.empty()) {
        m_state.loadDie(die);
        const QSignalBlocker block(m_dieList);
        m_dieList->clear();
        m_dieList->addItem(FromLatin1(die));
        m_dieList->setCurrentIndex(0);
    }
    m_punchList->setEnabled(!part.graphicProfile);
    m_dieList->setEnabled(!part.graphicProfile);
}

void MainWindow::showBendNumeric() {
    m_bendView->hide();
    for (QFrame* p : m_settingPanels) p->show();
    m_zoomMenu->menuAction()->setVisible(false);
    showBendHeader();
    m_settingCaptions[static_cast<std::size_t>(IndexOf(Setting::Opening))]->setText(QStringLiteral("Ouverture ="));
    const BendRecord* bend = m_state.part.currentBendRecord();
    for (const Setting s : kShowOrder) {
        // Read the value only now: an angle shown just before may have moved Y.
        const QString text = bend ? Fixed2(bend->*SettingFieldOf(s).member) : QString();
        writeSetting(s, text, true);
    }
}

void MainWindow::showBendGraphic() {
    showBendHeader();
    // The settings are about to disappear: the keyboard goes back to the bend.
    if (m_current && SettingOf(*m_current)) focusField(Field::Bend);
    for (QFrame* p : m_settingPanels) p->hide();
    m_bendView->show();
    m_zoomMenu->menuAction()->setVisible(true);
    // "Zoom Tout" is disabled by the fit; a bend without a drawing keeps the view.
    m_bendView->rebuild();
}

}  // namespace zelpor
