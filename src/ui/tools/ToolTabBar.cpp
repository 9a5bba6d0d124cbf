#include "ui/tools/ToolTabBar.h"

#include <QEvent>

namespace zelpor {

ToolTabBar::ToolTabBar(QWidget* parent) : QTabBar(parent) {
    setElideMode(Qt::ElideNone);  // the measure kept is the whole name's
}

QSize ToolTabBar::tabSizeHint(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_sizes.size()) return QTabBar::tabSizeHint(index);
    QSize& size = m_sizes[static_cast<std::size_t>(index)];
    if (!size.isValid()) size = QTabBar::tabSizeHint(index);
    return size;
}

void ToolTabBar::tabInserted(int index) {
    m_sizes.insert(m_sizes.begin() + index, QSize());
    QTabBar::tabInserted(index);
}

void ToolTabBar::tabRemoved(int index) {
    m_sizes.erase(m_sizes.begin() + index);
    QTabBar::tabRemoved(index);
}

void ToolTabBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        std::fill(m_sizes.begin(), m_sizes.end(), QSize());
    QTabBar::changeEvent(event);
}

}  // namespace zelpor
