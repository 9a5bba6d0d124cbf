#include "ui/app/KeyboardMenuStyle.h"

#include "ui/app/LineEditPanelCache.h"

namespace zelpor {

int KeyboardMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation || hint == SH_UnderlineShortcut) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void KeyboardMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    if (element != PE_PanelLineEdit) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    DrawLineEditPanel(option, painter, widget, [this, widget](const QStyleOption* o, QPainter* p) {
        QProxyStyle::drawPrimitive(PE_PanelLineEdit, o, p, widget);
    });
}

}  // namespace zelpor
