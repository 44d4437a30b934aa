#include "startup/StartupMode.h"
#include "startup/ui/TickerApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Window position and always-on-top need X11; under Wayland we go through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvanta"));
    QApplication::setQuitOnLastWindowClosed(false);

    TickerApp ticker(ArgumentText(QApplication::arguments()));
    ticker.Main();
    return QApplication::exec();
}
