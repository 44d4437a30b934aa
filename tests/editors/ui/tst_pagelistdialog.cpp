#include "editors/PageFields.h"
#include "editors/ui/PageListDialog.h"
#include "retrieval/RecordCodec.h"
#include "settings/PasswordScrambler.h"
#include "support/DialogTesting.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const QByteArray ThreePages = "1,http://a.test/,A\r\n0,http://b.test/,B\r\n1,http://c.test/,C,,u," +
                              encryptPassword(u"pw"_s, 3).toUtf8() + "\r\n";

// The page list dialog, shown, over a temporary single-user folder.
struct Fixture {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    DataFiles dataFiles{{parseStartupArguments(u"/singleuser"_s), dir.path(), dir.path()}, &prompter};
    std::unique_ptr<PageListDialog> dialog;
    QTreeWidget* list = nullptr;

    explicit Fixture(const QByteArray& urlTxt = ThreePages, const QMap<int, PageStatus>& statuses = {}) {
        writeFileBytes(dir.filePath(u"url.txt"_s), urlTxt);
        dataFiles.loadDataFiles();
        dialog = std::make_unique<PageListDialog>(dataFiles, prompter, statuses);
        list = find<QTreeWidget>(dialog.get(), "lvwURLs");
        dialog->show();
    }
    QStringList enabled() const {
        return enabledButtons(dialog.get(),
                              {"cmdNewURL", "cmdRemoveURL", "cmdEditURL", "cmdUp", "cmdDown", "cmdAllClear"});
    }
    // Clicks the middle of the page's name, clear of its check box.
    QPoint click(int row) {
        const QPoint name(list->header()->sectionSize(0) / 2,
                          list->visualItemRect(list->topLevelItem(row)).center().y());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, name);
        return name;
    }
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            texts.append(list->topLevelItem(row)->text(column));
        return texts;
    }
    QList<PageRecord> saved() const {
        return parsePages(QString::fromUtf8(readFileBytes(dir.filePath(u"url.txt"_s))));
    }
};

} // namespace

class TestPageListDialog : public QObject {
    Q_OBJECT
private slots:
    void everyWayOfClosingSaves_data();
    void everyWayOfClosingSaves();
    void removeAsksWithTheAddress();
    void removingTheLastPageSavesNoPage();
    void checksAndNamesReachTheFile();
    void addThroughThePageDialog();
    void editThroughThePageDialog();
    void statusesStayWithTheirPages();
};

void TestPageListDialog::everyWayOfClosingSaves_data() {
    QTest::addColumn<int>("key"); // 0: the close box
    QTest::newRow("閉じる by Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("close box") << 0;
}

void TestPageListDialog::everyWayOfClosingSaves() {
    QFETCH(int, key);
    Fixture f;
    if (key)
        QTest::keyClick(f.list, Qt::Key(key));
    else
        f.dialog->close();
    QVERIFY(!f.dialog->isVisible());
    // Unchanged, but written as the program writes it.
    QVERIFY(readFileBytes(f.dir.filePath(u"url.txt"_s))
                .startsWith("\"1\",\"http://a.test/\",\"A\",\"\",\"\",\"\"\r\n"));
}

void TestPageListDialog::removeAsksWithTheAddress() {
    Fixture f;
    // The first page is picked on opening, as it looks.
    QCOMPARE(f.enabled(), (QStringList{u"cmdNewURL"_s, u"cmdRemoveURL"_s, u"cmdEditURL"_s, u"cmdDown"_s,
                                       u"cmdAllClear"_s}));
    f.click(1);
    find(f.dialog.get(), "cmdRemoveURL")->click(); // answered No
    QCOMPARE(f.prompter.asked,
             QStringList{u"削除の確認|URL 'http://b.test/' を削除します。\r\nよろしいですか?"_s});
    f.prompter.yesNoAnswers = {true};
    find(f.dialog.get(), "cmdRemoveURL")->click();
    QCOMPARE(f.column(0), (QStringList{u"A"_s, u"C"_s}));
    QCOMPARE(f.enabled(), (QStringList{u"cmdNewURL"_s, u"cmdAllClear"_s}));
    f.dialog->accept();
    QCOMPARE(f.saved().size(), 2);
}

void TestPageListDialog::removingTheLastPageSavesNoPage() {
    Fixture f("1,http://a.test/,A\r\n");
    f.prompter.yesNoAnswers = {true};
    f.click(0);
    QCOMPARE(f.enabled(),
             (QStringList{u"cmdNewURL"_s, u"cmdRemoveURL"_s, u"cmdEditURL"_s, u"cmdAllClear"_s}));
    find(f.dialog.get(), "cmdRemoveURL")->click();
    QCOMPARE(f.enabled(), QStringList{u"cmdNewURL"_s});
    f.dialog->accept();
    QVERIFY(f.saved().isEmpty());
    QVERIFY(f.dataFiles.tables().pages.isEmpty());
}

void TestPageListDialog::checksAndNamesReachTheFile() {
    Fixture f;
    f.list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    f.list->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
    QVERIFY(!find(f.dialog.get(), "cmdAllClear")->isEnabled());
    f.list->topLevelItem(1)->setCheckState(0, Qt::Checked);
    find(f.dialog.get(), "cmdAllClear")->click();
    QCOMPARE(f.list->topLevelItem(1)->checkState(0), Qt::Unchecked);
    f.click(1);
    QTest::keyClick(f.list, Qt::Key_F2);
    f.list->viewport()->findChild<QLineEdit*>()->setText(u"天気"_s);
    f.dialog->close(); // the name still being edited is kept
    QCOMPARE(f.saved()[1], (PageRecord{false, u"http://b.test/"_s, u"天気"_s, {}, {}, {}}));
    QVERIFY(!f.saved()[0].Enabled && !f.saved()[2].Enabled);
}

void TestPageListDialog::addThroughThePageDialog() {
    Fixture f;
    whenModalOpens([](QDialog* editor) {
        auto* name = find<QLineEdit>(editor, "txtText0");
        QTRY_COMPARE(name->selectedText(), u"新しいページ"_s);
        name->insert(u"運行\r\n情報"_s); // pasted as two lines
        find<QLineEdit>(editor, "txtText1")->setText(u"https://d.test/"_s);
        editor->accept();
    });
    find(f.dialog.get(), "cmdNewURL")->click();
    QCOMPARE(f.list->currentItem(), f.list->topLevelItem(3));
    f.dialog->accept();
    QCOMPARE(f.saved().last(), (PageRecord{true, u"https://d.test/"_s, u"運行"_s, {}, {}, {}}));
}

void TestPageListDialog::editThroughThePageDialog() {
    Fixture f;
    const QString storedPassword = f.dataFiles.tables().pages[2].Password;
    whenModalOpens([&f](QDialog* editor) {
        QCOMPARE(find<QLineEdit>(editor, "txtText3")->text(), u"pw"_s);
        find<QLineEdit>(editor, "txtText1")->setText(u"HTTP://c.test/"_s);
        editor->accept();
        find<QLineEdit>(editor, "txtText1")->setText(u"http://c2.test/"_s);
        find<QLineEdit>(editor, "txtText3")->setText(u"パス"_s);
        editor->accept();
        QCOMPARE(f.prompter.asked,
                 (QStringList{u"エラー|"_s + badUrlMessage(), u"エラー|"_s + passwordNotCarriedMessage()}));
        find<QLineEdit>(editor, "txtText3")->setText(u"pw"_s);
        editor->accept();
    });
    QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, f.click(2));
    QCOMPARE(f.list->currentItem(), f.list->topLevelItem(2));
    whenModalOpens([](QDialog* editor) {
        QVERIFY(!find<QCheckBox>(editor, "chkFlag")->isChecked()); // an unchecked page opens unchecked
        editor->accept();
    });
    f.click(1);
    find(f.dialog.get(), "cmdEditURL")->click();
    f.dialog->accept();
    QCOMPARE(f.saved()[2], (PageRecord{true, u"http://c2.test/"_s, u"C"_s, {}, u"u"_s, storedPassword}));
    QVERIFY(!f.saved()[1].Enabled);
}

void TestPageListDialog::statusesStayWithTheirPages() {
    Fixture f(ThreePages, {{1, {PageStatus::Kind::Items, 3, {}}},
                           {3,
                            {PageStatus::Kind::Error,
                             0,
                             {PageError::Kind::Download, FetchFailure::HttpStatus, 404, {}, false, {}}}}});
    QCOMPARE(f.column(2), (QStringList{u"3件"_s, QString(), u"エラー"_s}));
    QCOMPARE(f.list->topLevelItem(2)->toolTip(2), u"エラー :404 Not Found"_s);
    find(f.dialog.get(), "cmdDown")->click();
    QCOMPARE(f.column(2), (QStringList{QString(), u"3件"_s, u"エラー"_s}));
    f.dialog->accept();
    QCOMPARE(f.dialog->pageStatuses().keys(), (QList<int>{2, 3}));
}

QTEST_MAIN(TestPageListDialog)
#include "tst_pagelistdialog.moc"
