#include "app/mainwindow.h"
#include "widgets/appearance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    prepareScreenScaling();
    QApplication application(argc, argv);
    useLayoutFonts();
    MainWindow window(nullptr);
    window.show();
    return application.exec();
}
