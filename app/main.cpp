#include "app/mainwindow.h"
#include "widgets/appearance.h"
#include "widgets/language.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    prepareScreenScaling();
    QApplication application(argc, argv);
    // The desktop matches the windows to the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brindlecot.Quillora"));
    useLayoutFonts();
    installTranslations(application);
    MainWindow window(nullptr);
    window.show();
    return application.exec();
}
