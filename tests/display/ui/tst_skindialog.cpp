#include "display/ui/SkinDialog.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class TestSkinDialog : public QObject {
    Q_OBJECT
private slots:
    void opensOnThePreselectedSkin_data();
    void opensOnThePreselectedSkin();
};

void TestSkinDialog::opensOnThePreselectedSkin_data() {
    QTest::addColumn<bool>("withImages");
    QTest::addColumn<QString>("imageDir");
    QTest::addColumn<QString>("imageTitle");
    QTest::addColumn<QString>("selection"); // "folder/file", "" for none
    QTest::addColumn<QSize>("preview");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("first start") << true << QString() << QString() << u"その他/無地1.bmp"_s << QSize(40, 20)
                                 << QStringList();
    QTest::newRow("stored skin") << true << u"ブルー"_s << u"b.bmp"_s << u"ブルー/b.bmp"_s << QSize(30, 10)
                                 << QStringList();
    QTest::newRow("stored folder gone: built-in skin")
        << true << u"gone"_s << u"b.bmp"_s << QString() << QSize(222, 65) << QStringList();
    QTest::newRow("no Images folder") << false << QString() << QString() << QString() << QSize(222, 65)
                                      << QStringList{u"Sorvanta|画像ファイルが見つかりません。"_s};
}

void TestSkinDialog::opensOnThePreselectedSkin() {
    QFETCH(bool, withImages);
    QFETCH(QString, imageDir);
    QFETCH(QString, imageTitle);
    QFETCH(QString, selection);
    QFETCH(QSize, preview);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    const QString images = dir.filePath(u"Images"_s);
    if (withImages) {
        for (const auto& [folder, file, size] : {std::tuple{u"その他"_s, u"無地1.bmp"_s, QSize(40, 20)},
                                                 std::tuple{u"ブルー"_s, u"b.bmp"_s, QSize(30, 10)}}) {
            QVERIFY(QDir().mkpath(images + u'/' + folder));
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(Qt::darkBlue);
            QVERIFY(picture.save(images + u'/' + folder + u'/' + file, "BMP"));
        }
    }
    AppSettings settings;
    settings.ImageDir = imageDir;
    settings.ImageTitle = imageTitle;
    ScriptedPrompter prompter;
    const SkinDialog dialog(images, settings, prompter);
    const std::optional<SkinName> chosen = dialog.selection();
    QCOMPARE(chosen ? chosen->folder + u'/' + chosen->file : QString(), selection);
    QCOMPARE(dialog.picture().size(), preview);
    QCOMPARE(prompter.asked, messages);
    QCOMPARE(dialog.findChild<QTreeWidget*>(u"tvwFolder"_s)->topLevelItemCount(), withImages ? 2 : 0);
}

QTEST_MAIN(TestSkinDialog)
#include "tst_skindialog.moc"
