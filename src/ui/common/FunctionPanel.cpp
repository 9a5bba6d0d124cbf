#include "ui/common/FunctionPanel.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>

namespace zelpor {
namespace {

// A style glyph that is read from the style's images when first painted.
// Every window is built at start-up, and most of their buttons are not seen
// before the user opens the window: decoding all their images up front was a
// visible share of the start-up time.
class DeferredGlyphEngine final : public QIconEngine {
public:
    DeferredGlyphEngine(QStyle* style, QStyle::StandardPixmap glyph) : m_style(style), m_glyph(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new DeferredGlyphEngine(*this); }
    QString key() const override { return QStringLiteral("zelpor-deferred-glyph"); }
    bool isNull() override { return false; }

private:
    const QIcon& icon() {
        if (m_icon.isNull() && m_style) m_icon = m_style->standardIcon(m_glyph);
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_glyph;
    QIcon m_icon;
};

}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setAutoFillBackground(true);
}

void StatusPanel::setText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    update();
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(frame);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect inner = frame.adjusted(4, 0, -4, 0);
    const QStringList parts = m_text.split(QLatin1Char('\t'));
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (qsizetype i = 0; i < parts.size(); ++i)
        p.drawText(inner, static_cast<int>((Qt::AlignVCenter | aligns[std::min<qsizetype>(i, 2)]).toInt()), parts[i]);
}

FunctionButtonPanel::FunctionButtonPanel(QWidget* parent, Style style) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    if (style == Style::Captions) {
        // Two groups of four, a wider gap between them.
        constexpr int kLeft[kButtons] = {11, 107, 203, 299, 408, 504, 599, 695};
        for (std::size_t i = 0; i < m_buttons.size(); ++i) {
            auto* b = new QPushButton(this);
            b->setObjectName(QStringLiteral("Bouton%1").arg(i + 1));
            b->setGeometry(kLeft[i], 4, 89, 42);
            // The function keys press the buttons: Enter in a field never does.
            b->setAutoDefault(false);
            m_buttons[i] = b;
        }
        return;
    }
    constexpr int kWidth = 96, kHeight = 62, kGap = 2, kLeft = 6, kTop = 6;
    QFont small = font();
    small.setPointSize(8);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("Bouton%1").arg(i + 1));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(24, 24));
        b->setFont(small);
        b->setFocusPolicy(Qt::NoFocus);  // the keyboard stays in the fields
        b->setGeometry(kLeft + i * (kWidth + kGap), kTop, kWidth, kHeight);
        m_buttons[static_cast<std::size_t>(i)] = b;
    }
}

void FunctionButtonPanel::setButton(int n, const QString& caption, QStyle::StandardPixmap glyph, bool enabled) {
    QAbstractButton* b = button(n);
    b->setText(caption);
    b->setIcon(QIcon(new DeferredGlyphEngine(style(), glyph)));
    b->setEnabled(enabled);
    b->setVisible(true);
}

}  // namespace zelpor
