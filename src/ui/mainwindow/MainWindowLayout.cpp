// Building the main window's components at the places the operators know.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolButton>

#include "ui/bendview/BendViewWidget.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/ToolStripIcons.h"
#include "ui/profiletable/ProfileTableWindow.h"
#include "ui/common/FunctionPanel.h"
#include "ui/print/PrintMenus.h"
#include "ui/materials/MaterialWindow.h"
#include "ui/tooleditor/ToolEditorWindow.h"

namespace zelpor {

namespace {

constexpr int kFieldHeight = 28;
constexpr int kColumnCaptionWidth = 72;
constexpr int kColumnFieldLeft = 80;
constexpr int kColumnFieldWidth = 140;
constexpr int kColumnTop = 40;
constexpr int kColumnStep = 35;

QFont FieldFont() {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    f.setPixelSize(16);
    f.setBold(true);
    return f;
}

QFont CaptionFont() {
    QFont f;
    f.setPixelSize(13);
    return f;
}

int ColumnRowTop(int row) { return kColumnTop + row * kColumnStep; }

// A drop-down list whose field is painted flat in the palette's Base colour,
// like the text fields beside it: teal in hand, the inactive-caption colour at
// rest. The style's own combo box shades its whole face as a button.
class FieldList final : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        painter.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox opt;
        initStyleOption(&opt);
        painter.drawComplexControl(QStyle::CC_ComboBox, opt);
        if (isEnabled()) {
            const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
            painter.fillRect(field, palette().color(QPalette::Base));
            // The name in the ink of the text fields; the arrow keeps the button's.
            opt.palette.setColor(QPalette::ButtonText, palette().color(QPalette::Text));
        }
        painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
    }
};

}  // namespace

QLineEdit* MainWindow::makeEdit(QWidget* parent, const char* name, int x, int y, int w) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(x, y, w, kFieldHeight);
    e->setFont(FieldFont());
    e->setFocusPolicy(Qt::ClickFocus);  // no tab stops: arrows, Enter and F-keys move
    e->setReadOnly(true);
    e->setContextMenuPolicy(Qt::NoContextMenu);
    e->setAcceptDrops(false);
    e->installEventFilter(this);
    paintFocused(e, false);
    return e;
}

QLabel* MainWindow::makeCaption(QWidget* parent, const QString& text, int x, int y, int w) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, kFieldHeight);
    l->setFont(CaptionFont());
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

void MainWindow::buildLeftColumn(QWidget* area) {
    const char* captions[] = {
        "Affaire :", "Piece :", "Pli :", "Epaiss. :", "Longueur :", "Matiere :", "Poinçon :", "Matrice :"};
    for (int row = 0; row < 8; ++row)
        makeCaption(area, QString::fromUtf8(captions[row]), 4, ColumnRowTop(row), kColumnCaptionWidth);
    auto makeColumnEdit = [&](Field field, int row) {
        return makeEdit(area, FieldName(field), kColumnFieldLeft, ColumnRowTop(row), kColumnFieldWidth);
    };
    m_jobField = makeColumnEdit(Field::Job, 0);
    m_partField = makeColumnEdit(Field::Part, 1);
    m_bendField = makeColumnEdit(Field::Bend, 2);
    m_thicknessField = makeColumnEdit(Field::Thickness, 3);
    m_drawnThicknessField = makeEdit(area, "Edit6", kColumnFieldLeft, ColumnRowTop(3), kColumnFieldWidth);
    m_drawnThicknessField->setEnabled(false);
    m_drawnThicknessField->hide();
    m_lengthField = makeColumnEdit(Field::Length, 4);

    connect(m_bendField, &QLineEdit::textChanged, this, [this] { onBendTextChanged(); });
    connect(m_thicknessField, &QLineEdit::textChanged, this, [this] { onThicknessChanged(); });
    connect(m_lengthField, &QLineEdit::textChanged, this, [this] { onLengthChanged(); });

    auto makeList = [&](Field field, int row) {
        auto* c = new FieldList(area);
        c->setObjectName(QLatin1String(FieldName(field)));
        c->setGeometry(kColumnFieldLeft, ColumnRowTop(row), kColumnFieldWidth, kFieldHeight);
        c->setFont(FieldFont());
        c->setFocusPolicy(Qt::ClickFocus);
        c->setEditable(false);
        c->installEventFilter(this);
        paintFocused(c, false);
        return c;
    };
    m_materialList = makeList(Field::Material, 5);
    m_punchList = makeList(Field::Punch, 6);
    m_dieList = makeList(Field::Die, 7);
    connect(m_materialList, &QComboBox::activated, this, [this] { onMaterialChosen(); });
    connect(m_punchList, &QComboBox::activated, this, [this] { onPunchChosen(); });
    connect(m_dieList, &QComboBox::activated, this, [this] { onDieChosen(); });
}

void MainWindow::buildSettingPanels(QWidget* area) {
    for (std::size_t p = 0; p < m_settingPanels.size(); ++p) {
        auto* panel = new QFrame(area);
        panel->setObjectName(QStringLiteral("Panel%1").arg(p + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setGeometry(kSettingPanels[p].left, kSettingPanels[p].top, 257, 121);
        m_settingPanels[p] = panel;
    }
    for (const SettingField& f : kSettingFields) {
        const Setting s = f.setting;
        const auto i = static_cast<std::size_t>(IndexOf(s));
        QFrame* panel = m_settingPanels[static_cast<std::size_t>(f.panel)];
        const int top = kSettingRowTops[static_cast<std::size_t>(f.row)];
        m_settingCaptions[i] = makeCaption(panel, QString::fromUtf8(f.caption), 2, top, 106);
        m_settingFields[i] = makeEdit(panel, f.name, 112, top, 113);
        connect(m_settingFields[i], &QLineEdit::textChanged, this, [this, s] {
            if (s == Setting::Angle) onAngleChanged();
            else onSettingChanged(s);
        });
    }
    settingField(Setting::Angle)->setToolTip(QStringLiteral("Angle de pliage"));
    // Two reminders beside the computed values; nothing reads or sets them.
    const Setting computed[] = {Setting::Y, Setting::Force};
    for (std::size_t k = 0; k < m_computedChecks.size(); ++k) {
        const SettingField& f = SettingFieldOf(computed[k]);
        auto* box = new QCheckBox(m_settingPanels[static_cast<std::size_t>(f.panel)]);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
        box->setGeometry(232, kSettingRowTops[static_cast<std::size_t>(f.row)] + 6, 18, 16);
        box->setToolTip(QStringLiteral("Valeur calculer"));
        box->setFocusPolicy(Qt::NoFocus);
        m_computedChecks[k] = box;
    }
    m_bendView = new BendViewWidget(m_state, area);
    m_bendView->move(225, 41);
    m_bendView->hide();
}

void MainWindow::buildButtons(QWidget* area) {
    for (std::size_t i = 0; i < m_functionButtons.size(); ++i) {
        auto* b = new QPushButton(area);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        b->setGeometry(8 + static_cast<int>(i) * 98, 480, 94, 44);
        // Clicking keeps the keyboard on the field the operator works in.
        b->setFocusPolicy(Qt::NoFocus);
        b->setEnabled(false);
        b->hide();
        m_functionButtons[i] = b;
    }
    for (const int position : {1, 2, 3, 4, 8})
        connect(m_functionButtons[static_cast<std::size_t>(position - 1)], &QPushButton::clicked, this,
                [this, position] { onFunctionButton(position); });
}

QAction* MainWindow::makeAction(QMenu* menu, const QString& text, const char* name, bool enabled) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    a->setEnabled(enabled);
    return a;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* menu = bar->addMenu(QStringLiteral("Menu"));
    menu->setObjectName(QStringLiteral("Menu1"));
    QAction* jobList = makeAction(menu, QStringLiteral("Liste"), "Liste1");
    makeAction(menu, QStringLiteral("Transfert"), "Transfert1", false);
    connect(makeAction(menu, QStringLiteral("Parametres"), "Parametres1"), &QAction::triggered, this,
            [this] { openParameters(); });

    QMenu* pieces = bar->addMenu(QStringLiteral("&Piéces"));
    pieces->setObjectName(QStringLiteral("Pieces1"));
    makeAction(pieces, QStringLiteral("visualise Numérique"), "VisualiseNumerique1", false);
    connect(makeAction(pieces, QStringLiteral("visualise Graphique"), "VisualiseGraphique1"), &QAction::triggered, this,
            [this] { openSequence(); });
    connect(makeAction(pieces, QStringLiteral("nouvelle Numérique"), "NouvelleNumerique1", false), &QAction::triggered,
            this, [this] { startNumericPart(); });
    connect(makeAction(pieces, QStringLiteral("nouvelle &Graphique"), "NouvelleGraphique1"), &QAction::triggered, this,
            [this] { drawNewProfile(); });
    connect(makeAction(pieces, QStringLiteral("modifie Profil en &Tableau"), "ModifieProfilTableau1"),
            &QAction::triggered, this, [this] {
                ChangeProfileInTable(m_state, m_windows, m_messages, this);
                activate();
            });

    QMenu* plis = bar->addMenu(QStringLiteral("Plis"));
    plis->setObjectName(QStringLiteral("Plis1"));
    m_numericViewAction = makeAction(plis, QStringLiteral("Numérique"), "Numerique1", false);
    m_graphicViewAction = makeAction(plis, QStringLiteral("Graphique"), "Graphique1", true);
    connect(m_numericViewAction, &QAction::triggered, this, [this] { showNumericView(); });
    connect(m_graphicViewAction, &QAction::triggered, this, [this] { showGraphicView(); });

    QMenu* correction = bar->addMenu(QStringLiteral("Correction"));
    correction->setObjectName(QStringLiteral("Correction1"));
    correction->menuAction()->setEnabled(false);

    m_zoomMenu = bar->addMenu(QStringLiteral("Zoom"));
    m_zoomMenu->setObjectName(QStringLiteral("Zoom1"));
    m_zoomMenu->menuAction()->setVisible(false);
    connect(makeAction(m_zoomMenu, QStringLiteral("Zoom Fenetre"), "ZoomFenetre1"), &QAction::triggered, this,
            [this] { m_bendView->onZoomWindow(); });
    m_zoomAllAction = makeAction(m_zoomMenu, QStringLiteral("Zoom Tout"), "ZoomTout1", false);
    connect(m_zoomAllAction, &QAction::triggered, this, [this] { m_bendView->onZoomAll(); });
    connect(makeAction(m_zoomMenu, QStringLiteral("Pan"), "Pan1"), &QAction::triggered, this,
            [this] { m_bendView->onPan(); });
    connect(m_bendView, &BendViewWidget::zoomAllEnabledChanged, m_zoomAllAction, &QAction::setEnabled);
    connect(m_bendView, &BendViewWidget::statusMessage, this, [this](const QString& t) { setStatus(t); });

    QMenu* outils = bar->addMenu(QStringLiteral("Outils"));
    outils->setObjectName(QStringLiteral("Outils1"));
    connect(makeAction(outils, QStringLiteral("Liste Poinçons"), "ListePoincons1"), &QAction::triggered, this,
            [this] { openPunchLibrary(); });
    connect(makeAction(outils, QStringLiteral("Liste Matrices"), "ListeMatrices1"), &QAction::triggered, this,
            [this] { openDieLibrary(); });
    connect(makeAction(outils, QStringLiteral("Programmation Poinçons"), "ProgrammationPoincons1"), &QAction::triggered,
            this, [this] {
                OpenToolEditor(m_state, m_messages, ToolKind::Punch, this);
                activate();
            });
    connect(makeAction(outils, QStringLiteral("Programmation Matrices"), "ProgrammationMatrices1"), &QAction::triggered,
            this, [this] {
                OpenToolEditor(m_state, m_messages, ToolKind::Die, this);
                activate();
            });
    connect(makeAction(outils, QStringLiteral("Matières"), "Matieres1"), &QAction::triggered, this, [this] {
        if (OpenMaterialEditor(m_state, m_messages, this)) updateBendForce();  // the new coefficient, at once
        activate();
    });

    QMenu* aide = bar->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("Aide1"));
    connect(makeAction(aide, QStringLiteral("A propos..."), "APropos1"), &QAction::triggered, this,
            [this] { openAbout(); });
    makeAction(aide, QStringLiteral("Fin"), "Fin1");              // the program ends by closing its window
    new PrintMenus(*this, m_state, m_messages, jobList, pieces);  // setup sheet, job list, "Print|"
}

void MainWindow::buildToolBar(QWidget* area) {
    auto* strip = new QFrame(area);
    strip->setObjectName(QStringLiteral("ToolBar1"));
    strip->setGeometry(0, 0, 795, 30);
    strip->setFrameShape(QFrame::StyledPanel);
    const struct {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
        const char* themeName;
        const char* builtInName;
    } buttons[] = {{"SpeedButton1", "Open|", QStyle::SP_DialogOpenButton, "folder-open", "standardbutton-open"},
                   {"SpeedButton2", "Save|", QStyle::SP_DialogSaveButton, "document-save", "standardbutton-save"},
                   {"SpeedButton3", "Print|", QStyle::SP_FileDialogDetailedView, "view-list-details", "viewdetailed"}};
    int x = 4;
    for (const auto& def : buttons) {
        auto* b = new QToolButton(strip);
        b->setObjectName(QLatin1String(def.name));
        b->setGeometry(x, 3, 25, 24);
        SetToolStripIcon(b, def.icon, def.themeName, def.builtInName);
        const QString hint = QLatin1String(def.hint);
        b->setProperty("hint", hint);
        b->setToolTip(hint.section(QLatin1Char('|'), 0, 0));  // short hint before the bar
        b->setFocusPolicy(Qt::NoFocus);
        b->setEnabled(false);
        x += 25;
    }
    m_statusPanel = new StatusPanel(area);  // "StatusBar1", one panel
    m_statusPanel->setGeometry(0, 552 - 20, 795, 20);
}

}  // namespace zelpor
