#include "base/StartupMode.h"
#include "startup/DisplayPlatform.h"
#include "startup/ui/DialogFont.h"
#include "startup/ui/TickerApp.h"
#include "startup/ui/UiLanguage.h"
#include "startup/ui/XServerProbe.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // Window position and always-on-top need X11: under Wayland we go through XWayland when it is there.
    const QString platform = chooseDisplayPlatform(
        {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("WAYLAND_DISPLAY"), xServerReachable});
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());
    // Where the message panel paints through Qt (its dots not on whole device pixels), it repaints its
    // 160 x 16 strip up to 80 times a second. Through X shared memory every repaint of a strip just sent
    // first waits for a round trip to the X server; sending the 10 KB strip over the socket costs less.
    const bool shmSwitchGiven = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!shmSwitchGiven)
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication application(argc, argv);
    // Qt has read both; they are not handed on to the programs we start (the browser).
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    if (!shmSwitchGiven)
        qunsetenv("QT_XCB_NO_MITSHM");
    QApplication::setApplicationName(QStringLiteral("Sorvanta"));
    QApplication::setQuitOnLastWindowClosed(false);
    installUiTexts(application);
    useDesktopFontForDialogs();

    TickerApp ticker(argumentText(QApplication::arguments()));
    ticker.main();
    const int status = QApplication::exec();
    // Everything is saved by now. A worker that does not let go (a name lookup that hangs) must not
    // hold the exit: the process ends without waiting for it.
    if (!ticker.workersEnded(std::chrono::milliseconds(500)))
        std::_Exit(status);
    return status;
}
