#include "bendview/BendViewWidget.h"

#include "workspace/AppState.h"

namespace zelpor {

BendViewWidget::BendViewWidget(AppState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("PaintBox1"));
    setFixedSize(559, 408);
}

void BendViewWidget::rebuild() { update(); }
void BendViewWidget::ZoomFenetre1Click() {}
void BendViewWidget::ZoomTout1Click() {}
void BendViewWidget::Pan1Click() {}

}  // namespace zelpor
