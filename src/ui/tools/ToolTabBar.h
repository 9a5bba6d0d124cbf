#pragma once

#include <QTabBar>

#include <vector>

namespace zelpor {

// The library's tab bar, one tab per tool file. A tab bar lays out all its
// tabs again after every tab added and measures each tab's text each time,
// so a library of a thousand tools took a second to fill; here each tab is
// measured once, when first laid out, and the measure is kept until the tab
// goes or the font or style changes.
class ToolTabBar final : public QTabBar {
public:
    explicit ToolTabBar(QWidget* parent);

protected:
    QSize tabSizeHint(int index) const override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;
    void changeEvent(QEvent* event) override;

private:
    mutable std::vector<QSize> m_sizes;  // an invalid size: not measured yet
};

}  // namespace zelpor
