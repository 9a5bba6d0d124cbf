#include "ui/app/KeyboardMenuStyle.h"

namespace zelpor {

int KeyboardMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation || hint == SH_UnderlineShortcut) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace zelpor
