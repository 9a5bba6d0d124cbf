#pragma once

#include <QProxyStyle>

namespace zelpor {

// The operators come from a desktop where a lone Alt puts the keyboard into
// the menu bar and the accelerator letters are always underlined; the
// platform style on Linux does neither, so this style restores both. It also
// draws the text fields' panels from pictures kept per look
// (LineEditPanelCache.h): the same pixels, a fraction of the work per key.
class KeyboardMenuStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace zelpor
