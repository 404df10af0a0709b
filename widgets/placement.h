#pragma once
// Where a small window opens: over the main window, as if the main window stood centred in the work area.

#include <QPoint>
#include <QSize>

class QWidget;

// The place for a window of that size, the work area taken to begin at 0, 0. The sums are split at the main
// window's size and halved toward zero, so a main window larger than the work area still leaves the window
// within a pixel of the centre.
QPoint centredOver(const QSize& workArea, const QSize& mainWindow, const QSize& window);
// Gives the window its fixed size and puts it there over parent on the primary screen; without a parent it is
// centred in the work area.
void placeCentred(QWidget* window, const QWidget* parent, const QSize& size);
