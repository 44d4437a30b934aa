#include "editors/ui/KeywordListDialog.h"
#include "support/ModalDialogs.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The keyword dialog over a working copy, shown.
struct Fixture {
    QStringList keywords;
    KeywordListDialog dialog;
    QLineEdit* input = Find<QLineEdit>(&dialog, "txtNewKeyword");
    QListWidget* list = Find<QListWidget>(&dialog, "lstKeywords");

    explicit Fixture(QStringList given)
        : keywords(std::move(given))
        , dialog(keywords) {
        dialog.show();
    }
    QPushButton* button(const char* name) { return Find<QPushButton>(&dialog, name); }
    QStringList enabled() {
        QStringList names;
        for (const char* name : {"cmdAdd", "cmdRemove", "cmdUp", "cmdDown"})
            if (button(name)->isEnabled())
                names.append(QString::fromLatin1(name));
        return names;
    }
    QStringList shown() const {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }
};

} // namespace

class TestKeywordListDialog : public QObject {
    Q_OBJECT
private slots:
    void enterAddsAtTheEnd();
    void emptyKeywordsAreSkippedAndDropped();
    void buttonsFollowTheSelection();
    void removingTheOnlyKeywordStoresOneEmpty();
    void cancelLeavesTheList_data();
    void cancelLeavesTheList();
};

void TestKeywordListDialog::enterAddsAtTheEnd() {
    Fixture f({u"遅れ"_s});
    QCOMPARE(f.enabled(), QStringList{});
    f.input->insert(u" 運休"_s);
    QVERIFY(f.button("cmdAdd")->isEnabled());
    QTest::keyClick(f.input, Qt::Key_Return);
    QCOMPARE(f.shown(), (QStringList{u"遅れ"_s, u" 運休"_s}));
    QCOMPARE(f.input->text(), QString());
    QVERIFY(!f.button("cmdAdd")->isEnabled());
    QTest::keyClick(f.input, Qt::Key_Return); // nothing typed: nothing added
    QCOMPARE(f.list->count(), 2);
}

void TestKeywordListDialog::emptyKeywordsAreSkippedAndDropped() {
    Fixture f({u"遅れ"_s, QString(), u"運休"_s, QString()});
    QCOMPARE(f.shown(), (QStringList{u"遅れ"_s, u"運休"_s}));
    QCOMPARE(f.list->selectedItems().size(), 0);
    f.button("cmdOK")->click();
    QCOMPARE(f.keywords, (QStringList{u"遅れ"_s, u"運休"_s}));
}

void TestKeywordListDialog::buttonsFollowTheSelection() {
    Fixture f({u"a"_s, u"b"_s, u"c"_s});
    f.list->setCurrentRow(0);
    QCOMPARE(f.enabled(), (QStringList{u"cmdRemove"_s, u"cmdDown"_s}));
    f.button("cmdDown")->click();
    QCOMPARE(f.shown(), (QStringList{u"b"_s, u"a"_s, u"c"_s}));
    QCOMPARE(f.list->currentRow(), 1);
    QCOMPARE(f.enabled(), (QStringList{u"cmdRemove"_s, u"cmdUp"_s, u"cmdDown"_s}));
    f.button("cmdRemove")->click();
    QCOMPARE(f.shown(), (QStringList{u"b"_s, u"c"_s}));
    QCOMPARE(f.enabled(), QStringList{});
    Fixture single({u"a"_s});
    single.list->setCurrentRow(0);
    QCOMPARE(single.enabled(), QStringList{u"cmdRemove"_s});
}

void TestKeywordListDialog::removingTheOnlyKeywordStoresOneEmpty() {
    Fixture f({u"遅れ"_s});
    f.list->setCurrentRow(0);
    f.button("cmdRemove")->click();
    f.button("cmdOK")->click();
    QCOMPARE(f.keywords, QStringList{QString()});
    WhenModalOpens([](QDialog* dialog) {
        QCOMPARE(Find<QListWidget>(dialog, "lstKeywords")->count(), 0);
        dialog->accept();
    });
    KeywordListDialog::opener()(nullptr, f.keywords);
    QCOMPARE(f.keywords, QStringList{QString()});
}

void TestKeywordListDialog::cancelLeavesTheList_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("キャンセル") << false;
    QTest::newRow("Esc") << true;
}

void TestKeywordListDialog::cancelLeavesTheList() {
    QFETCH(bool, byEscape);
    const QStringList given{u"遅れ"_s, QString()};
    Fixture f(given);
    f.input->insert(u"運休"_s);
    f.button("cmdAdd")->click();
    f.list->setCurrentRow(0);
    f.button("cmdRemove")->click();
    if (byEscape)
        QTest::keyClick(f.list, Qt::Key_Escape);
    else
        f.button("cmdCancel")->click();
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.keywords, given);
}

QTEST_MAIN(TestKeywordListDialog)
#include "tst_keywordlistdialog.moc"
