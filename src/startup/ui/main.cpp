#include "startup/StartupMode.h"
#include "startup/ui/TickerApp.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // Window position and always-on-top need X11; under Wayland we go through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The message panel repaints its 160 x 16 strip up to 80 times a second. Through X shared memory
    // every repaint of a strip just sent first waits for a round trip to the X server; sending the
    // 10 KB strip over the socket costs less. Qt reads the switch when it connects, so it is taken
    // back at once and not handed on to the programs we start.
    const bool shmSwitchGiven = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!shmSwitchGiven)
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication application(argc, argv);
    if (!shmSwitchGiven)
        qunsetenv("QT_XCB_NO_MITSHM");
    QApplication::setApplicationName(QStringLiteral("Sorvanta"));
    QApplication::setQuitOnLastWindowClosed(false);

    TickerApp ticker(ArgumentText(QApplication::arguments()));
    ticker.Main();
    const int status = QApplication::exec();
    // Everything is saved by now. A worker that does not let go (a name lookup that hangs) must not
    // hold the exit: the process ends without waiting for it.
    if (!ticker.workersEnded(std::chrono::milliseconds(500)))
        std::_Exit(status);
    return status;
}
