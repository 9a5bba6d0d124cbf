#include "ui/app/LineEditPanelCache.h"

#include <QAbstractSpinBox>
#include <QDataStream>
#include <QIODevice>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOption>

namespace zelpor {

namespace {

// Everything the style reads to draw the panel, as a cache key.
QString LookKey(const QStyleOptionFrame& frame, qreal ratio) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << frame.rect.size() << frame.state.toInt() << static_cast<int>(frame.direction) << frame.lineWidth
        << frame.midLineWidth << frame.features.toInt() << static_cast<int>(frame.frameShape) << ratio;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        out << frame.palette.color(static_cast<QPalette::ColorRole>(role)).rgba();
    return QStringLiteral("zelpor-field-panel-") + QString::fromLatin1(bytes.toBase64());
}

// Only a text field on its own, with a plain base colour: a field inside a
// spin box or a list is drawn by its owner, and a textured base depends on
// where the field sits.
bool Cacheable(const QStyleOption* option, const QWidget* widget) {
    return qstyleoption_cast<const QStyleOptionFrame*>(option) && qobject_cast<const QLineEdit*>(widget) &&
           !qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()) && !option->rect.isEmpty() &&
           option->palette.base().style() == Qt::SolidPattern;
}

}  // namespace

void DrawLineEditPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget,
                       const std::function<void(const QStyleOption*, QPainter*)>& draw) {
    if (!Cacheable(option, widget) || !painter->device()) {
        draw(option, painter);
        return;
    }
    QStyleOptionFrame frame = *qstyleoption_cast<const QStyleOptionFrame*>(option);
    const qreal ratio = painter->device()->devicePixelRatio();
    const QString key = LookKey(frame, ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap((QSizeF(frame.rect.size()) * ratio).toSize());
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        frame.rect.moveTo(0, 0);
        QPainter onPanel(&panel);
        draw(&frame, &onPanel);
        onPanel.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(option->rect.topLeft(), panel);
}

}  // namespace zelpor
