#include "ui/dialogs/AboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/MessageService.h"
#include "ui/common/WindowSet.h"
#include "core/workspace/AppState.h"

// Q_INIT_RESOURCE has to be used outside any namespace.
static void InitDialogResourcesImpl() { Q_INIT_RESOURCE(dialogs); }

namespace zelpor {

void InitDialogResources() { InitDialogResourcesImpl(); }

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

AboutBox::AboutBox(AppState& state, WindowSet& windows, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows), m_messages(messages) {
    InitDialogResources();
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("A propos"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);

    auto* icon = AddLabel(panel, "ProgramIcon", QString());
    icon->setPixmap(QPixmap(QLatin1StringView(kProgramIconPath)));
    icon->setFixedSize(64, 64);
    auto* product = AddLabel(panel, "ProductName", QStringLiteral("Zelpor_2"));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    product->setFont(big);
    auto* version = AddLabel(panel, "Version", QStringLiteral("Version 1.0"));
    auto* comments = AddLabel(
        panel, "Comments", QStringLiteral("Programme pr\u00e9paration au pliage de t\u00f4le avec une presse plieuse"));
    comments->setWordWrap(true);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1);
    grid->addWidget(version, 1, 1, Qt::AlignTop);
    grid->addWidget(comments, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    setFixedSize(300, 240);
}

}  // namespace zelpor
