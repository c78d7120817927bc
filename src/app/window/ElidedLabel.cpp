#include "app/window/ElidedLabel.h"

#include <algorithm>

namespace korvex {

namespace {

// The widest a label asks to be; a longer text is shortened unless the layout gives it more room.
constexpr int kMaximumPreferredWidth = 320;

}  // namespace

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text) {
    fullText_ = text;
    elide();
    updateGeometry();
}

QSize ElidedLabel::sizeHint() const {
    const int margins = contentsMargins().left() + contentsMargins().right();
    const int width = fontMetrics().horizontalAdvance(fullText_) + margins;
    return {std::min(width, kMaximumPreferredWidth), QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("M…M")), QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    const QString shown = fontMetrics().elidedText(fullText_, Qt::ElideMiddle, contentsRect().width());
    setText(shown);
    setToolTip(shown == fullText_ ? QString() : fullText_);
}

}  // namespace korvex
