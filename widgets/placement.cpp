#include "placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

QPoint centredOver(const QSize& workArea, const QSize& mainWindow, const QSize& window)
{
    return QPoint((workArea.width() - mainWindow.width()) / 2 + (mainWindow.width() - window.width()) / 2,
                  (workArea.height() - mainWindow.height()) / 2 + (mainWindow.height() - window.height()) / 2);
}

void placeCentred(QWidget* window, const QWidget* parent, const QSize& size)
{
    window->setFixedSize(size);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize workArea = screen != nullptr ? screen->availableGeometry().size() : QSize();
    const QSize mainWindow = parent != nullptr ? parent->geometry().size() : size;
    window->setGeometry(QRect(centredOver(workArea, mainWindow, size), size));
}
