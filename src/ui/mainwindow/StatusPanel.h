#pragma once

#include <QWidget>

namespace zelpor {

// The single panel of the main window's status bar. As on the operators'
// old screens, a tab in the text starts a centred part and a second tab a
// right-aligned part.
class StatusPanel final : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);
    void setText(const QString& text);
    const QString& text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

}  // namespace zelpor
