#include "editors/ui/PageEditDialog.h"
#include "editors/ui/PageListDialog.h"
#include "retrieval/RecordCodec.h"
#include "settings/PasswordScrambler.h"
#include "support/ModalDialogs.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const QByteArray ThreePages = "1,http://a.test/,A\r\n"
                              "0,http://b.test/,B\r\n"
                              "1,http://c.test/,C,,user," +
                              EncryptPassword(u"pw"_s, 3).toUtf8() + "\r\n";

// The page list dialog over a temporary single-user folder.
struct Fixture {
    QTemporaryDir dir;
    AppFolders folders{ParseStartupArguments(u"/singleuser"_s), dir.path(), dir.path()};
    ScriptedPrompter prompter;
    DataFiles dataFiles{folders, &prompter};
    std::unique_ptr<PageListDialog> dialog;
    QTreeWidget* list = nullptr;

    explicit Fixture(const QByteArray& urlTxt = ThreePages, const QMap<int, PageStatus>& statuses = {}) {
        if (!urlTxt.isNull())
            WriteFileBytes(dir.filePath(u"url.txt"_s), urlTxt);
        dataFiles.LoadDataFiles();
        dialog = std::make_unique<PageListDialog>(dataFiles, prompter, statuses);
        list = Find<QTreeWidget>(dialog.get(), "lvwURLs");
        dialog->show();
    }
    QPushButton* button(const char* name) const { return Find<QPushButton>(dialog.get(), name); }
    // The buttons that are enabled, in the order of the list's side.
    QStringList enabled() const {
        QStringList names;
        for (const char* name :
             {"cmdNewURL", "cmdRemoveURL", "cmdEditURL", "cmdUp", "cmdDown", "cmdAllClear"})
            if (button(name)->isEnabled())
                names.append(QString::fromLatin1(name));
        return names;
    }
    // The middle of the page's name, clear of its check box.
    QPoint nameAt(int row) const {
        const QHeaderView* header = list->header();
        return {header->sectionViewportPosition(0) + header->sectionSize(0) / 2,
                list->visualItemRect(list->topLevelItem(row)).center().y()};
    }
    void click(int row) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, nameAt(row)); }
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            texts.append(list->topLevelItem(row)->text(column));
        return texts;
    }
    int selected() const {
        const auto items = list->selectedItems();
        return items.isEmpty() ? -1 : list->indexOfTopLevelItem(items.first());
    }
    QList<PageRecord> saved() const {
        return ParsePages(QString::fromUtf8(ReadFileBytes(dir.filePath(u"url.txt"_s))));
    }
};

} // namespace

class TestPageListDialog : public QObject {
    Q_OBJECT
private slots:
    void everyWayOfClosingSaves_data();
    void everyWayOfClosingSaves();
    void buttonsFollowTheSelection();
    void moveDownThenUpRestoresTheOrder();
    void removeAsksWithTheAddress();
    void removingTheLastPageSavesNoPage();
    void checksAndNamesReachTheFile();
    void addedPageIsAppendedAndSelected();
    void editKeepsThePositionAndRefusesBadInput();
    void statusesStayWithTheirPages();
};

void TestPageListDialog::everyWayOfClosingSaves_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("閉じる") << u"button"_s;
    QTest::newRow("Esc") << u"escape"_s;
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("close box") << u"close"_s;
}

void TestPageListDialog::everyWayOfClosingSaves() {
    QFETCH(QString, how);
    Fixture f;
    if (how == u"button"_s)
        f.button("cmdOK")->click();
    else if (how == u"close"_s)
        f.dialog->close();
    else
        QTest::keyClick(f.list, how == u"escape"_s ? Qt::Key_Escape : Qt::Key_Return);
    QVERIFY(!f.dialog->isVisible());
    // Unchanged, but written as the program writes it.
    QVERIFY(ReadFileBytes(f.dir.filePath(u"url.txt"_s))
                .startsWith("\"1\",\"http://a.test/\",\"A\",\"\",\"\",\"\"\r\n"));
    QCOMPARE(f.dataFiles.tables().pages.size(), 3);
}

void TestPageListDialog::buttonsFollowTheSelection() {
    Fixture f;
    // The first page is selected on opening; removing and editing wait for the user's pick.
    QCOMPARE(f.selected(), 0);
    QCOMPARE(f.enabled(), (QStringList{u"cmdNewURL"_s, u"cmdDown"_s, u"cmdAllClear"_s}));
    f.click(2);
    QCOMPARE(f.enabled(),
             (QStringList{u"cmdNewURL"_s, u"cmdRemoveURL"_s, u"cmdEditURL"_s, u"cmdUp"_s, u"cmdAllClear"_s}));
    Fixture single("1,http://a.test/,A\r\n");
    single.click(0);
    QCOMPARE(single.enabled(),
             (QStringList{u"cmdNewURL"_s, u"cmdRemoveURL"_s, u"cmdEditURL"_s, u"cmdAllClear"_s}));
    Fixture empty(QByteArray{});
    QCOMPARE(empty.list->topLevelItemCount(), 0);
    QCOMPARE(empty.enabled(), QStringList{u"cmdNewURL"_s});
}

void TestPageListDialog::moveDownThenUpRestoresTheOrder() {
    Fixture f;
    f.button("cmdDown")->click();
    QCOMPARE(f.column(0), (QStringList{u"B"_s, u"A"_s, u"C"_s}));
    QCOMPARE(f.selected(), 1);
    f.button("cmdUp")->click();
    QCOMPARE(f.column(0), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(f.selected(), 0);
    QVERIFY(!f.button("cmdUp")->isEnabled());
}

void TestPageListDialog::removeAsksWithTheAddress() {
    Fixture f;
    f.click(1);
    f.button("cmdRemoveURL")->click(); // answered No
    QCOMPARE(f.prompter.asked,
             QStringList{u"削除の確認|URL 'http://b.test/' を削除します。\r\nよろしいですか?"_s});
    QCOMPARE(f.list->topLevelItemCount(), 3);
    f.prompter.yesNoAnswers = {true};
    f.button("cmdRemoveURL")->click();
    QCOMPARE(f.column(0), (QStringList{u"A"_s, u"C"_s}));
    QCOMPARE(f.selected(), -1);
    QCOMPARE(f.enabled(), (QStringList{u"cmdNewURL"_s, u"cmdAllClear"_s}));
    f.dialog->accept();
    QCOMPARE(f.saved().size(), 2);
    QCOMPARE(f.saved()[1].Password, f.dataFiles.tables().pages[1].Password);
    QCOMPARE(f.saved()[1].URL, u"http://c.test/"_s);
}

void TestPageListDialog::removingTheLastPageSavesNoPage() {
    Fixture f("1,http://a.test/,A\r\n");
    f.prompter.yesNoAnswers = {true};
    f.click(0);
    f.button("cmdRemoveURL")->click();
    QCOMPARE(f.list->topLevelItemCount(), 0);
    QCOMPARE(f.enabled(), QStringList{u"cmdNewURL"_s});
    f.dialog->accept();
    QVERIFY(QFile::exists(f.dir.filePath(u"url.txt"_s)));
    QVERIFY(f.saved().isEmpty());
    QVERIFY(f.dataFiles.tables().pages.isEmpty());
}

void TestPageListDialog::checksAndNamesReachTheFile() {
    Fixture f;
    f.list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QVERIFY(f.button("cmdAllClear")->isEnabled());
    f.list->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
    QVERIFY(!f.button("cmdAllClear")->isEnabled());
    f.list->topLevelItem(1)->setCheckState(0, Qt::Checked);
    f.button("cmdAllClear")->click();
    QCOMPARE(f.list->topLevelItem(1)->checkState(0), Qt::Unchecked);
    QVERIFY(!f.button("cmdAllClear")->isEnabled());
    // Renamed in place: F2 opens the name for editing.
    f.click(1);
    QTest::keyClick(f.list, Qt::Key_F2);
    auto* editor = f.list->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText(u"天気"_s);
    f.dialog->close(); // the name still being edited is kept
    QCOMPARE(f.saved()[1].Name, u"天気"_s);
    QVERIFY(!f.saved()[0].Enabled && !f.saved()[1].Enabled && !f.saved()[2].Enabled);
}

void TestPageListDialog::addedPageIsAppendedAndSelected() {
    Fixture f;
    WhenModalOpens([](QDialog* editor) {
        QCOMPARE(editor->objectName(), u"frmEditURL"_s);
        Find<QLineEdit>(editor, "txtText1")->setText(u"https://d.test/"_s);
        editor->accept();
    });
    f.button("cmdNewURL")->click();
    QCOMPARE(f.column(0), (QStringList{u"A"_s, u"B"_s, u"C"_s, u"新しいページ"_s}));
    QCOMPARE(f.selected(), 3);
    f.dialog->accept();
    QCOMPARE(f.saved().last(), (PageRecord{true, u"https://d.test/"_s, u"新しいページ"_s, {}, {}, {}}));
}

void TestPageListDialog::editKeepsThePositionAndRefusesBadInput() {
    Fixture f;
    f.click(1);
    WhenModalOpens([&f](QDialog* editor) {
        // An unchecked page opens unchecked.
        QVERIFY(!Find<QCheckBox>(editor, "chkFlag")->isChecked());
        Find<QLineEdit>(editor, "txtText1")->setText(u"HTTP://b.test/"_s);
        editor->accept();
        QVERIFY(editor->isVisible());
        QCOMPARE(f.prompter.asked.last(), u"エラー|"_s + BadUrlMessage());
        Find<QLineEdit>(editor, "txtText1")->setText(u"http://b2.test/"_s);
        Find<QLineEdit>(editor, "txtText3")->setText(u"パス"_s);
        editor->accept();
        QCOMPARE(f.prompter.asked.last(), u"エラー|"_s + PasswordNotCarriedMessage());
        Find<QLineEdit>(editor, "txtText3")->setText(u"pw2"_s);
        editor->accept();
        QVERIFY(!editor->isVisible());
    });
    QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, f.nameAt(1));
    QCOMPARE(f.column(1), (QStringList{u"http://a.test/"_s, u"http://b2.test/"_s, u"http://c.test/"_s}));
    QCOMPARE(f.selected(), 1);
    f.dialog->accept();
    QCOMPARE(f.saved()[1].Enabled, false);
    QCOMPARE(DecryptPassword(f.saved()[1].Password), std::optional<QString>(u"pw2"_s));
}

void TestPageListDialog::statusesStayWithTheirPages() {
    Fixture f(ThreePages, {{1, {PageStatus::Kind::Items, 3, {}}},
                           {3, {PageStatus::Kind::Error, 0, u"エラー : 404 Not Found"_s}}});
    QCOMPARE(f.column(2), (QStringList{u"3件"_s, QString(), u"エラー"_s}));
    QCOMPARE(f.list->topLevelItem(2)->toolTip(2), u"エラー : 404 Not Found"_s);
    f.button("cmdDown")->click();
    QCOMPARE(f.column(2), (QStringList{QString(), u"3件"_s, u"エラー"_s}));
    WhenModalOpens([](QDialog* editor) { editor->accept(); });
    f.button("cmdNewURL")->click();
    QCOMPARE(f.column(2).last(), QString());
    f.dialog->accept();
    QCOMPARE(f.dialog->pageStatuses().keys(), (QList<int>{2, 3}));
}

QTEST_MAIN(TestPageListDialog)
#include "tst_pagelistdialog.moc"
