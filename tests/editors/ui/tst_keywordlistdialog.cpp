#include "editors/ui/KeywordListDialog.h"
#include "support/DialogTesting.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The keyword dialog, shown, over a working copy.
struct Fixture {
    QStringList keywords;
    KeywordListDialog dialog;
    QLineEdit* input = find<QLineEdit>(&dialog, "txtNewKeyword");
    QListWidget* list = find<QListWidget>(&dialog, "lstKeywords");

    explicit Fixture(QStringList given)
        : keywords(std::move(given))
        , dialog(keywords) {
        dialog.show();
    }
    QStringList enabled() { return enabledButtons(&dialog, {"cmdAdd", "cmdRemove", "cmdUp", "cmdDown"}); }
};

} // namespace

class TestKeywordListDialog : public QObject {
    Q_OBJECT
private slots:
    void addMoveAndRemove();
    void emptyKeywordsAreSkippedAndAnEmptyListIsOneEmpty();
    void cancelLeavesTheList();
};

void TestKeywordListDialog::addMoveAndRemove() {
    Fixture f({u"遅れ"_s});
    QCOMPARE(f.enabled(), QStringList{});
    f.input->insert(u" 運休"_s);
    QTest::keyClick(f.input, Qt::Key_Return);
    QCOMPARE(texts(f.list), (QStringList{u"遅れ"_s, u" 運休"_s}));
    QCOMPARE(f.input->text(), QString());
    QTest::keyClick(f.input, Qt::Key_Return); // nothing typed: nothing added
    QCOMPARE(f.list->count(), 2);
    f.input->insert(u"遅れ"_s); // already listed: selected, not added again
    QTest::keyClick(f.input, Qt::Key_Return);
    QCOMPARE(texts(f.list), (QStringList{u"遅れ"_s, u" 運休"_s}));
    QCOMPARE(f.list->currentRow(), 0);
    f.list->setCurrentRow(0);
    QCOMPARE(f.enabled(), (QStringList{u"cmdRemove"_s, u"cmdDown"_s}));
    find(&f.dialog, "cmdDown")->click();
    QCOMPARE(texts(f.list), (QStringList{u" 運休"_s, u"遅れ"_s}));
    find(&f.dialog, "cmdRemove")->click();
    QCOMPARE(texts(f.list), QStringList{u" 運休"_s});
    QCOMPARE(f.enabled(), QStringList{});
    find(&f.dialog, "cmdOK")->click();
    QCOMPARE(f.keywords, QStringList{u" 運休"_s});
}

void TestKeywordListDialog::emptyKeywordsAreSkippedAndAnEmptyListIsOneEmpty() {
    Fixture f({u"遅れ"_s, QString(), u"運休"_s, QString()});
    QCOMPARE(texts(f.list), (QStringList{u"遅れ"_s, u"運休"_s}));
    find(&f.dialog, "cmdOK")->click();
    QCOMPARE(f.keywords, (QStringList{u"遅れ"_s, u"運休"_s}));
    QStringList none{QString()};
    whenModalOpens([](QDialog* dialog) {
        QCOMPARE(find<QListWidget>(dialog, "lstKeywords")->count(), 0);
        dialog->accept();
    });
    KeywordListDialog::opener()(nullptr, none);
    QCOMPARE(none, QStringList{QString()});
}

void TestKeywordListDialog::cancelLeavesTheList() {
    const QStringList given{u"遅れ"_s, QString()};
    Fixture f(given);
    f.input->insert(u"運休"_s);
    find(&f.dialog, "cmdAdd")->click();
    f.list->setCurrentRow(0);
    find(&f.dialog, "cmdRemove")->click();
    find(&f.dialog, "cmdCancel")->click();
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.keywords, given);
}

QTEST_MAIN(TestKeywordListDialog)
#include "tst_keywordlistdialog.moc"
