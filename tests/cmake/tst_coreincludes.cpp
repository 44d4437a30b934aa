#include "support/TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The build step that keeps UI headers out of the core, run on one source file.
class TestCoreIncludes : public QObject {
    Q_OBJECT
private slots:
    void includeIsChecked_data();
    void includeIsChecked();
};

void TestCoreIncludes::includeIsChecked_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<bool>("refused");
    QTest::newRow("QtWidgets by its module folder") << QByteArray("#include <QtWidgets/QWidget>\n") << true;
    QTest::newRow("QtGui in quotes") << QByteArray("#include \"QtGui/QImage\"\n") << true;
    QTest::newRow("QtGui under the qt6 folder") << QByteArray("#include <qt6/QtGui/qimage.h>\n") << true;
    QTest::newRow("QtGui by way of QtCore") << QByteArray("#include <QtCore/../QtGui/QImage>\n") << true;
    QTest::newRow("QtNetwork") << QByteArray("#include <QtNetwork/QTcpSocket>\n") << true;
    QTest::newRow("spaces around the hash") << QByteArray("  #  include <QtWidgets/QWidget>\n") << true;
    QTest::newRow("a ui/ header") << QByteArray("#include \"display/ui/MainWindow.h\"\n") << true;
    QTest::newRow("an include by macro") << QByteArray("#include SORVANTA_HEADER\n") << true;
    QTest::newRow("a bad include after good ones")
        << QByteArray("#include <QString>\n#include <QtCore/QTimer>\n#include <QtGui/QColor>\n") << true;
    QTest::newRow("QtCore by its module folder") << QByteArray("#include <QtCore/QString>\n") << false;
    QTest::newRow("bare QtCore headers") << QByteArray("#include <QString>\n#include <QtGlobal>\n") << false;
    QTest::newRow("libcurl, ICU and core headers")
        << QByteArray("#include <curl/curl.h>\n#include <unicode/ucnv.h>\n#include \"display/ClockFace.h\"\n")
        << false;
    QTest::newRow("a core header whose name begins with Qt")
        << QByteArray("#include \"retrieval/QtGlue.h\"\n") << false;
    QTest::newRow("mentions outside include lines")
        << QByteArray("// see <QtWidgets/QWidget>\nconst char* s = \"ui/\";\n") << false;
}

void TestCoreIncludes::includeIsChecked() {
    QFETCH(QByteArray, source);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"Core.cpp"_s);
    const QString stamp = dir.filePath(u"checked"_s);
    WriteFileBytes(file, source);
    QProcess check;
    check.start(QStringLiteral(SORVANTA_CMAKE),
                {u"-DSOURCES="_s + file, u"-DSTAMP="_s + stamp, u"-P"_s,
                 QStringLiteral(SORVANTA_CMAKE_DIR "/CheckCoreIncludes.cmake")});
    QVERIFY(check.waitForFinished(30000));
    const QString errors = QString::fromUtf8(check.readAllStandardError());
    QCOMPARE(check.exitCode() != 0, refused);
    QCOMPARE(QFile::exists(stamp), !refused);
    if (refused)
        QVERIFY2(errors.contains(file), qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestCoreIncludes)
#include "tst_coreincludes.moc"
