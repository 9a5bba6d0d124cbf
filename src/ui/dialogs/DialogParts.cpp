#include "ui/dialogs/DialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextOption>
#include <QVBoxLayout>

#include "ui/common/Latin1.h"
#include "ui/common/MessageService.h"
#include "ui/common/SaveFailures.h"
#include "core/jobs/JobsAndParts.h"
#include "core/workspace/AppState.h"

namespace zelpor {

namespace {

// The help line lines up "Entrée: validation" with tab characters. A plain
// label would put them 80 pixels apart and push the end of the line out of
// the dialog, so the tab stops here are five average characters wide.
class HelpLineLabel final : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override {
        const QSize text = fontMetrics().size(Qt::TextSingleLine | Qt::TextExpandTabs, this->text(), tabStop());
        const QMargins m = contentsMargins();
        return {text.width() + m.left() + m.right(), text.height() + m.top() + m.bottom()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTabStopDistance(tabStop());
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(QRectF(contentsRect()), text(), option);
    }

private:
    int tabStop() const { return fontMetrics().averageCharWidth() * 5; }
};

}  // namespace

QString HelpLine() { return QStringLiteral("Echap: Abandon \t\t\t\t\t       Entr\u00e9e: validation"); }

QLabel* AddWhereLabel(QDialog* dialog, QVBoxLayout* layout) {
    auto* label2 = new QLabel(dialog);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setTextFormat(Qt::PlainText);
    label2->setFrameShape(QFrame::StyledPanel);
    label2->setFrameShadow(QFrame::Sunken);
    label2->setMinimumWidth(360);
    layout->addWidget(label2);
    return label2;
}

void AddFooter(QDialog* dialog, QVBoxLayout* layout, DialogFrame& frame) {
    frame.ok = new QPushButton(QStringLiteral("OK"), dialog);
    frame.ok->setObjectName(QStringLiteral("OKBtn"));
    frame.ok->setDefault(true);
    frame.cancel = new QPushButton(QStringLiteral("Annuler"), dialog);
    frame.cancel->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(frame.cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(frame.ok);
    buttons->addWidget(frame.cancel);
    layout->addLayout(buttons);

    frame.label3 = new HelpLineLabel(dialog);
    frame.label3->setObjectName(QStringLiteral("Label3"));
    frame.label3->setTextFormat(Qt::PlainText);
    layout->addWidget(frame.label3);
}

void SavePartOnOpening(AppState& state, MessageService& messages, QWidget* parent) {
    const std::string failed = SaveCurrentPartBeforeDialog(state);
    if (!failed.empty()) ReportPartNotWritten(messages, parent, failed);
}

void ReportPartNotWritten(MessageService& messages, QWidget* parent, const std::string& path) {
    ReportNotSaved(messages, parent, PartNotSavedText(path));
}

}  // namespace zelpor
