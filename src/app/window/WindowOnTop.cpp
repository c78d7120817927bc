#include "app/window/WindowOnTop.h"

#include <QWidget>

namespace korvex {

void setWindowOnTop(QWidget* window, bool onTop) {
    const bool visible = window->isVisible();
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        // Changing a window flag hides the window; show it again where it was.
        window->setGeometry(geometry);
        window->show();
    }
}

}  // namespace korvex
