#include "app/window/LampWidget.h"

#include <QPainter>
#include <QRadialGradient>

namespace korvex {

LampWidget::LampWidget(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LampWidget::setColor(const QColor& color) {
    color_ = color;
    update();
}

void LampWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF lamp = QRectF(rect()).adjusted(2, 2, -2, -2);
    QRadialGradient shine(lamp.center() - QPointF(lamp.width() / 5, lamp.height() / 5), lamp.width() * 0.7);
    shine.setColorAt(0, color_.lighter(150));
    shine.setColorAt(1, color_);
    painter.setPen(QPen(color_.darker(160), 1.2));
    painter.setBrush(shine);
    painter.drawEllipse(lamp);
}

}  // namespace korvex
