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

#include "bendview/BendViewWidget.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SettingFields.h"
#include "common/FunctionPanel.h"
#include "materials/MaterialWindow.h"
#include "tooleditor/ToolEditorWindow.h"

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
    const char* captions[] = {"Affaire :", "Piece :", "Pli :", "Epaiss. :", "Longueur :", "Matiere :", "Poinçon :",
                              "Matrice :"};
    for (int row = 0; row < 8; ++row)
        makeCaption(area, QString::fromUtf8(captions[row]), 4, ColumnRowTop(row), kColumnCaptionWidth);
    m_edit1 = makeEdit(area, "Edit1", kColumnFieldLeft, ColumnRowTop(0), kColumnFieldWidth);
    m_edit2 = makeEdit(area, "Edit2", kColumnFieldLeft, ColumnRowTop(1), kColumnFieldWidth);
    m_edit3 = makeEdit(area, "Edit3", kColumnFieldLeft, ColumnRowTop(2), kColumnFieldWidth);
    m_edit4 = makeEdit(area, "Edit4", kColumnFieldLeft, ColumnRowTop(3), kColumnFieldWidth);
    m_edit6 = makeEdit(area, "Edit6", kColumnFieldLeft, ColumnRowTop(3), kColumnFieldWidth);
    m_edit6->setEnabled(false);
    m_edit6->hide();
    m_edit5 = makeEdit(area, "Edit5", kColumnFieldLeft, ColumnRowTop(4), kColumnFieldWidth);

    connect(m_edit3, &QLineEdit::textChanged, this, [this] { Edit3Change(); });
    connect(m_edit4, &QLineEdit::textChanged, this, [this] { Edit4Change(); });
    connect(m_edit5, &QLineEdit::textChanged, this, [this] { Edit5Change(); });

    auto makeList = [&](const char* name, int row) {
        auto* c = new FieldList(area);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(kColumnFieldLeft, ColumnRowTop(row), kColumnFieldWidth, kFieldHeight);
        c->setFont(FieldFont());
        c->setFocusPolicy(Qt::ClickFocus);
        c->setEditable(false);
        c->installEventFilter(this);
        paintFocused(c, false);
        return c;
    };
    m_material = makeList("CBmatiere", 5);
    m_punch = makeList("CBpoincon", 6);
    m_die = makeList("CBmatice", 7);
    connect(m_material, &QComboBox::activated, this, [this] { CBmatiereClick(); });
    connect(m_punch, &QComboBox::activated, this, [this] { CBpoinconClick(); });
    connect(m_die, &QComboBox::activated, this, [this] { CBmaticeClick(); });
}

void MainWindow::buildSettingPanels(QWidget* area) {
    for (int p = 0; p < 4; ++p) {
        auto* panel = new QFrame(area);
        panel->setObjectName(QStringLiteral("Panel%1").arg(p + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setGeometry(kSettingPanels[p].left, kSettingPanels[p].top, 257, 121);
        m_panels[p] = panel;
    }
    for (int i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& f = kSettingFields[i];
        QFrame* panel = m_panels[f.panel];
        const int top = kSettingRowTops[f.row];
        m_settingCaptions[i] = makeCaption(panel, QString::fromUtf8(f.caption), 2, top, 106);
        m_settings[i] = makeEdit(panel, f.name, 112, top, 113);
        connect(m_settings[i], &QLineEdit::textChanged, this, [this, i] {
            if (i == 0) EangleChange();
            else settingChange(i);
        });
    }
    m_settings[0]->setToolTip(QStringLiteral("Angle de pliage"));
    // Two reminders beside the computed values; nothing reads or sets them.
    const int computed[] = {SettingFieldIndex("Eaxey"), SettingFieldIndex("Eforce")};
    for (int k = 0; k < 2; ++k) {
        const SettingField& f = kSettingFields[computed[k]];
        auto* box = new QCheckBox(m_panels[f.panel]);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
        box->setGeometry(232, kSettingRowTops[f.row] + 6, 18, 16);
        box->setToolTip(QStringLiteral("Valeur calculer"));
        box->setFocusPolicy(Qt::NoFocus);
        m_computedChecks[k] = box;
    }
    m_bendView = new BendViewWidget(m_state, area);
    m_bendView->move(225, 41);
    m_bendView->hide();
}

void MainWindow::buildButtons(QWidget* area) {
    for (int i = 0; i < 8; ++i) {
        auto* b = new QPushButton(area);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        b->setGeometry(8 + i * 98, 480, 94, 44);
        // Clicking keeps the keyboard on the field the operator works in.
        b->setFocusPolicy(Qt::NoFocus);
        b->setEnabled(false);
        b->hide();
        m_buttons[i] = b;
    }
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(m_buttons[1], &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(m_buttons[2], &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(m_buttons[3], &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(m_buttons[7], &QPushButton::clicked, this, [this] { Button8Click(); });
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
    makeAction(menu, QStringLiteral("Liste"), "Liste1", false);
    makeAction(menu, QStringLiteral("Transfert"), "Transfert1", false);
    connect(makeAction(menu, QStringLiteral("Parametres"), "Parametres1"), &QAction::triggered, this,
            [this] { Parametres1Click(); });

    QMenu* pieces = bar->addMenu(QStringLiteral("&Piéces"));
    pieces->setObjectName(QStringLiteral("Pieces1"));
    makeAction(pieces, QStringLiteral("visualise Numérique"), "VisualiseNumerique1", false);
    connect(makeAction(pieces, QStringLiteral("visualise Graphique"), "VisualiseGraphique1"), &QAction::triggered,
            this, [this] { VisualiseGraphique1Click(); });
    connect(makeAction(pieces, QStringLiteral("nouvelle Numérique"), "NouvelleNumerique1", false),
            &QAction::triggered, this, [this] { NouvelleNumerique1Click(); });
    connect(makeAction(pieces, QStringLiteral("nouvelle &Graphique"), "NouvelleGraphique1"), &QAction::triggered,
            this, [this] { NouvelleGraphique1Click(); });

    QMenu* plis = bar->addMenu(QStringLiteral("Plis"));
    plis->setObjectName(QStringLiteral("Plis1"));
    m_plisNumerique = makeAction(plis, QStringLiteral("Numérique"), "Numerique1", false);
    m_plisGraphique = makeAction(plis, QStringLiteral("Graphique"), "Graphique1", true);
    connect(m_plisNumerique, &QAction::triggered, this, [this] { Numerique1Click(); });
    connect(m_plisGraphique, &QAction::triggered, this, [this] { Graphique1Click(); });

    QMenu* correction = bar->addMenu(QStringLiteral("Correction"));
    correction->setObjectName(QStringLiteral("Correction1"));
    correction->menuAction()->setEnabled(false);

    m_zoomMenu = bar->addMenu(QStringLiteral("Zoom"));
    m_zoomMenu->setObjectName(QStringLiteral("Zoom1"));
    m_zoomMenu->menuAction()->setVisible(false);
    connect(makeAction(m_zoomMenu, QStringLiteral("Zoom Fenetre"), "ZoomFenetre1"), &QAction::triggered, this,
            [this] { m_bendView->ZoomFenetre1Click(); });
    m_zoomTout = makeAction(m_zoomMenu, QStringLiteral("Zoom Tout"), "ZoomTout1", false);
    connect(m_zoomTout, &QAction::triggered, this, [this] { m_bendView->ZoomTout1Click(); });
    connect(makeAction(m_zoomMenu, QStringLiteral("Pan"), "Pan1"), &QAction::triggered, this,
            [this] { m_bendView->Pan1Click(); });
    connect(m_bendView, &BendViewWidget::zoomAllEnabledChanged, m_zoomTout, &QAction::setEnabled);
    connect(m_bendView, &BendViewWidget::statusMessage, this, [this](const QString& t) { setStatus(t); });

    QMenu* outils = bar->addMenu(QStringLiteral("Outils"));
    outils->setObjectName(QStringLiteral("Outils1"));
    connect(makeAction(outils, QStringLiteral("Liste Poinçons"), "ListePoincons1"), &QAction::triggered, this,
            [this] { ListePoincons1Click(); });
    connect(makeAction(outils, QStringLiteral("Liste Matrices"), "ListeMatrices1"), &QAction::triggered, this,
            [this] { ListeMatrices1Click(); });
    connect(makeAction(outils, QStringLiteral("Programmation Poinçons"), "ProgrammationPoincons1"),
            &QAction::triggered, this, [this] { OpenToolEditor(m_state, m_messages, ToolKind::Punch, this); FormActivate(); });
    connect(makeAction(outils, QStringLiteral("Programmation Matrices"), "ProgrammationMatrices1"),
            &QAction::triggered, this, [this] { OpenToolEditor(m_state, m_messages, ToolKind::Die, this); FormActivate(); });
    connect(makeAction(outils, QStringLiteral("Matières"), "Matieres1"), &QAction::triggered, this, [this] {
        if (OpenMaterialEditor(m_state, m_messages, this)) UpdateBendForce();  // the new coefficient, at once
        FormActivate();
    });

    QMenu* aide = bar->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("Aide1"));
    connect(makeAction(aide, QStringLiteral("A propos..."), "APropos1"), &QAction::triggered, this,
            [this] { APropos1Click(); });
    makeAction(aide, QStringLiteral("Fin"), "Fin1");  // the program ends by closing its window
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
    } buttons[] = {{"SpeedButton1", "Open|", QStyle::SP_DialogOpenButton},
                   {"SpeedButton2", "Save|", QStyle::SP_DialogSaveButton},
                   {"SpeedButton3", "Print|", QStyle::SP_FileDialogDetailedView}};
    int x = 4;
    for (const auto& def : buttons) {
        auto* b = new QToolButton(strip);
        b->setObjectName(QLatin1String(def.name));
        b->setGeometry(x, 3, 25, 24);
        b->setIcon(style()->standardIcon(def.icon));
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
