#pragma once

#include <QRect>
#include <QSize>

namespace korvex {

class HostApplication;

// While the protocol runs, the host window takes the upper two thirds of the screen and the
// spreadsheet window the lower third, both the screen's full width.

// The spreadsheet window's frame on a screen of that size (pixels).
QRect protocolSpreadsheetFrame(QSize screen);
// Moves the host window through its geometry properties: height, width, top, left in this order.
// May throw HostCallError.
void placeHostWindowForProtocol(HostApplication& host, QSize screen);

}  // namespace korvex
