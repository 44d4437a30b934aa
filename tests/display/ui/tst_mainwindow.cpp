#include "display/ui/MainWindow.h"

#include <QSignalSpy>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void firstPaintIsAnnouncedOnce();
};

// The window benchmark times the first paint through this signal; later paints stay quiet.
void TestMainWindow::firstPaintIsAnnouncedOnce() {
    MainWindow window(QPoint(31, 39));
    QSignalSpy painted(&window, &MainWindow::firstPainted);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(painted.count(), 1);
    window.repaint();
    QCOMPARE(painted.count(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
