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
};

void TestSkinCatalog::listsFoldersAndBitmapsByName() {
    QTemporaryDir dir;
    for (const QString& folder : {u"ワイン"_s, u"その他"_s, u"ブルー"_s})
        QVERIFY(QDir(dir.path()).mkdir(folder));
    for (const QString& file : {u"b.bmp"_s, u"A.BMP"_s, u"c.png"_s, u"a.bmp.txt"_s})
        writeFileBytes(dir.filePath(u"ブルー/"_s + file), "x");
    writeFileBytes(dir.filePath(u"loose.bmp"_s), "x");
    QCOMPARE(skinFolders(dir.path()), (QStringList{u"その他"_s, u"ブルー"_s, u"ワイン"_s}));
    QCOMPARE(skinFiles(dir.path(), u"ブルー"_s), (QStringList{u"A.BMP"_s, u"b.bmp"_s}));
    QCOMPARE(skinFiles(dir.path(), u"gone"_s), QStringList());
    QCOMPARE(skinFolders(dir.filePath(u"Images"_s)), QStringList());
}

QTEST_GUILESS_MAIN(TestSkinCatalog)
#include "tst_skincatalog.moc"
