#pragma once

class QWidget;

namespace korvex {

// Keeps a window above all other windows (or lets it go), without moving or sizing it.
void setWindowOnTop(QWidget* window, bool onTop);

}  // namespace korvex
