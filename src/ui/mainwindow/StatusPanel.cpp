#include "mainwindow/StatusPanel.h"

#include <QPainter>

namespace zelpor {

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("StatusPanel1")); }

void StatusPanel::setText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    update();
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(4, 0, -4, 0);
    const QStringList parts = m_text.split(QLatin1Char('\t'));
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < parts.size() && i < 3; ++i)
        p.drawText(r, aligns[i] | Qt::AlignVCenter | Qt::TextSingleLine, parts[i]);
}

}  // namespace zelpor
