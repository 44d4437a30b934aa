#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The build step that keeps UI headers, other Qt modules and higher layers out of the core, run on one
// source file.
class TestCoreIncludes : public QObject {
    Q_OBJECT
private slots:
    void includeIsChecked_data();
    void includeIsChecked();
};

void TestCoreIncludes::includeIsChecked_data() {
    QTest::addColumn<QString>("layer"); // the folder under src/ the source stands in; "" for none
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<bool>("refused");
    QTest::newRow("QtWidgets by its module folder")
        << QString() << QByteArray("#include <QtWidgets/QWidget>\n") << true;
    QTest::newRow("QtGui in quotes") << QString() << QByteArray("#include \"QtGui/QImage\"\n") << true;
    QTest::newRow("QtGui under the qt6 folder")
        << QString() << QByteArray("#include <qt6/QtGui/qimage.h>\n") << true;
    QTest::newRow("QtGui by way of QtCore")
        << QString() << QByteArray("#include <QtCore/../QtGui/QImage>\n") << true;
    QTest::newRow("QtNetwork") << QString() << QByteArray("#include <QtNetwork/QTcpSocket>\n") << true;
    QTest::newRow("spaces around the hash")
        << QString() << QByteArray("  #  include <QtWidgets/QWidget>\n") << true;
    QTest::newRow("a ui/ header") << QString() << QByteArray("#include \"display/ui/MainWindow.h\"\n")
                                  << true;
    QTest::newRow("an include by macro") << QString() << QByteArray("#include SORVANTA_HEADER\n") << true;
    QTest::newRow("a bad include after good ones")
        << QString() << QByteArray("#include <QString>\n#include <QtCore/QTimer>\n#include <QtGui/QColor>\n")
        << true;
    QTest::newRow("QtCore by its module folder")
        << QString() << QByteArray("#include <QtCore/QString>\n") << false;
    QTest::newRow("bare QtCore headers")
        << QString() << QByteArray("#include <QString>\n#include <QtGlobal>\n") << false;
    QTest::newRow("libcurl, ICU and core headers")
        << QString()
        << QByteArray("#include <curl/curl.h>\n#include <unicode/ucnv.h>\n#include \"display/ClockFace.h\"\n")
        << false;
    QTest::newRow("a core header whose name begins with Qt")
        << QString() << QByteArray("#include \"retrieval/QtGlue.h\"\n") << false;
    QTest::newRow("mentions outside include lines")
        << QString() << QByteArray("// see <QtWidgets/QWidget>\nconst char* s = \"ui/\";\n") << false;
    QTest::newRow("retrieval reaching up to display")
        << u"retrieval"_s << QByteArray("#include \"display/ClockFace.h\"\n") << true;
    QTest::newRow("base reaching up to settings, after a header of its own")
        << u"base"_s << QByteArray("#include \"base/Clock.h\"\n#include \"settings/AppSettings.h\"\n")
        << true;
    QTest::newRow("display on retrieval, settings and base")
        << u"display"_s
        << QByteArray("#include \"retrieval/InfoItem.h\"\n#include \"settings/AppSettings.h\"\n#include "
                      "<unicode/ucnv.h>\n")
        << false;
    QTest::newRow("startup composing every layer")
        << u"startup"_s << QByteArray("#include \"editors/EditPages.h\"\n") << false;
}

void TestCoreIncludes::includeIsChecked() {
    QFETCH(QString, layer);
    QFETCH(QByteArray, source);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString folder = layer.isEmpty() ? dir.path() : dir.filePath(u"src/"_s + layer);
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + u"/Core.cpp"_s;
    const QString stamp = dir.filePath(u"checked"_s);
    writeFileBytes(file, source);
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
