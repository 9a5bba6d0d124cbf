#pragma once

#include <QString>
#include <QStyle>
#include <QWidget>

#include <array>

class QAbstractButton;

namespace zelpor {

// One-panel status bar as the press-brake windows use it: a tab in the text
// starts a centred part, a second tab a right-aligned part, so that
// "Mini : 0\t\tMaxi : 1000" shows the two limits at both ends.
class StatusPanel final : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return m_text; }
    QSize sizeHint() const override { return {795, 19}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

// The row of eight function buttons at the bottom of a window, named Bouton1
// to Bouton8, pressed by F1 to F8.
class FunctionButtonPanel final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtons = 8;
    enum class Style {
        Glyphs,    // glyph above caption (libraries, parameters)
        Captions,  // caption only, in two groups of four (profile, sequence)
    };
    explicit FunctionButtonPanel(QWidget* parent = nullptr, Style style = Style::Glyphs);

    // Button n, 1 to 8.
    QAbstractButton* button(int n) const { return m_buttons.at(static_cast<std::size_t>(n - 1)); }
    void setButton(int n, const QString& caption, QStyle::StandardPixmap glyph, bool enabled = true);

private:
    std::array<QAbstractButton*, kButtons> m_buttons{};
};

}  // namespace zelpor
