#include "display/SkinCatalog.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSkinCatalog : public QObject {
    Q_OBJECT
private slots:
    void listsFoldersAndBitmapsByName();
    void preselection_data();
    void preselection();
};

void TestSkinCatalog::listsFoldersAndBitmapsByName() {
    QTemporaryDir dir;
    for (const QString& folder : {u"ワイン"_s, u"その他"_s, u"ブルー"_s})
        QVERIFY(QDir(dir.path()).mkdir(folder));
    for (const QString& file : {u"b.bmp"_s, u"A.BMP"_s, u"c.png"_s, u"a.bmp.txt"_s})
        WriteFileBytes(dir.filePath(u"ブルー/"_s + file), "x");
    WriteFileBytes(dir.filePath(u"loose.bmp"_s), "x");
    QCOMPARE(SkinFolders(dir.path()), (QStringList{u"その他"_s, u"ブルー"_s, u"ワイン"_s}));
    QCOMPARE(SkinFiles(dir.path(), u"ブルー"_s), (QStringList{u"A.BMP"_s, u"b.bmp"_s}));
    QCOMPARE(SkinFiles(dir.path(), u"gone"_s), QStringList());
    QCOMPARE(SkinFolders(dir.filePath(u"Images"_s)), QStringList());
}

void TestSkinCatalog::preselection_data() {
    QTest::addColumn<QString>("imageDir");
    QTest::addColumn<QString>("imageTitle");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::newRow("first start") << QString() << QString() << u"その他"_s << u"無地1.bmp"_s;
    QTest::newRow("a folder alone counts as no choice")
        << u"ブルー"_s << QString() << u"その他"_s << u"無地1.bmp"_s;
    QTest::newRow("the stored skin") << u"ブルー"_s << u"ブルー1.bmp"_s << u"ブルー"_s << u"ブルー1.bmp"_s;
}

void TestSkinCatalog::preselection() {
    QFETCH(QString, imageDir);
    QFETCH(QString, imageTitle);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    AppSettings settings;
    settings.ImageDir = imageDir;
    settings.ImageTitle = imageTitle;
    QCOMPARE(PreselectedSkin(settings), (SkinName{folder, file}));
}

QTEST_GUILESS_MAIN(TestSkinCatalog)
#include "tst_skincatalog.moc"
