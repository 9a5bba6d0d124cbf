#include "ui/mainwindow/ToolStripIcons.h"

#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <QToolButton>

namespace zelpor {

namespace {

// Watches the button's first paint, then asks the icon theme once.
class ThemeCheckAfterPaint final : public QObject {
public:
    ThemeCheckAfterPaint(QToolButton* button, QStyle::StandardPixmap standard, const char* themeName)
        : QObject(button), m_button(button), m_standard(standard), m_themeName(QLatin1String(themeName)) {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_button && event->type() == QEvent::Paint) {
            m_button->removeEventFilter(this);
            // Queued: after this paint pass has reached the screen.
            QTimer::singleShot(0, this, [this] { check(); });
        }
        return false;
    }

private:
    void check() {
        if (QIcon::hasThemeIcon(m_themeName)) m_button->setIcon(m_button->style()->standardIcon(m_standard));
        deleteLater();
    }

    QToolButton* m_button;
    QStyle::StandardPixmap m_standard;
    QString m_themeName;
};

}  // namespace

void SetToolStripIcon(QToolButton* button, QStyle::StandardPixmap standard, const char* themeName,
                      const char* builtInName) {
    const QString theme = QIcon::themeName();
    const bool desktopTheme = !theme.isEmpty() && theme != QLatin1String("hicolor");
    const QString images = QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + QLatin1String(builtInName);
    const QString small = images + QStringLiteral("-16.png");
    if (desktopTheme || !QFile::exists(small)) {
        button->setIcon(button->style()->standardIcon(standard));
        return;
    }
    QIcon icon;
    icon.addFile(small, QSize(16, 16));
    icon.addFile(images + QStringLiteral("-32.png"), QSize(32, 32));
    button->setIcon(icon);
    new ThemeCheckAfterPaint(button, standard, themeName);
}

}  // namespace zelpor
