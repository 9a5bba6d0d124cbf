#include "ui/dialogs/SelectionDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ui/common/Latin1.h"
#include "core/jobs/JobsAndParts.h"
#include "core/workspace/AppState.h"

namespace zelpor {

SelectionDialog::SelectionDialog(AppState& state, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_messages(messages) {
    auto* layout = new QVBoxLayout(this);
    m_frame.label2 = AddWhereLabel(this, layout);
    m_list = new QListWidget(this);
    m_list->setUniformItemSizes(true);  // a job of thousands of parts is laid out at once
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumHeight(220);
    layout->addWidget(m_list);
    AddFooter(this, layout, m_frame);
    connect(m_frame.ok, &QPushButton::clicked, this, &SelectionDialog::OKBtnClick);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &SelectionDialog::ListBox1DblClick);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

void SelectionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void SelectionDialog::FormActivate() {
    SavePartOnOpening(m_state, m_messages, this);
    m_frame.label2->setText(FromLocal(whereText()));
    m_frame.label3->setText(HelpLine());
    m_entries = entries();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(m_entries.size()));
    for (const std::string& e : m_entries) texts << FromLocal(e);
    m_list->clear();
    m_list->addItems(texts);  // one batch
    const int row = PreselectIndex(m_entries, currentEntry());
    if (row >= 0) m_list->setCurrentRow(row);
    m_list->setFocus();
}

void SelectionDialog::OKBtnClick() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        QDialog::reject();
        return;
    }
    choose(m_entries[static_cast<std::size_t>(row)]);
    accept();
}

void SelectionDialog::ListBox1DblClick() { OKBtnClick(); }

}  // namespace zelpor
