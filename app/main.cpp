#include "mainwindow.h"
#include "singleinstance.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SingleInstance instance(QStringLiteral(VARIZEZ_APP_ID));
    if (!instance.claim())
        return 0;
    MainWindow window;
    QObject::connect(&instance, &SingleInstance::activated, &window,
                     [&window] { showAgain(window); });
    presentMainWindow(window);
    return app.exec();
}
