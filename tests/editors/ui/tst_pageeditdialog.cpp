#include "editors/ui/PageEditDialog.h"
#include "settings/PasswordScrambler.h"
#include "support/ModalDialogs.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPageEditDialog : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheSelectedName();
    void storedPageComesBackUnchanged();
    void everyBoxKeepsTheFirstLine_data();
    void everyBoxKeepsTheFirstLine();
    void refusedAddressIsSelected();
};

void TestPageEditDialog::opensOnTheSelectedName() {
    ScriptedPrompter prompter;
    PageEditDialog dialog(prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* name = Find<QLineEdit>(&dialog, "txtText0");
    QTRY_COMPARE(name->selectedText(), u"新しいページ"_s);
    QVERIFY(name->hasFocus());
    QCOMPARE(dialog.page(), (PageRecord{true, u"http://"_s, u"新しいページ"_s, {}, {}, {}}));
}

void TestPageEditDialog::storedPageComesBackUnchanged() {
    ScriptedPrompter prompter;
    PageEditDialog dialog(prompter);
    const PageRecord stored{false,     u"https://a.test/"_s,       u"A"_s, u"JR"_s,
                            u"user"_s, EncryptPassword(u"pw"_s, 5)};
    dialog.setPage(stored);
    QCOMPARE(Find<QLineEdit>(&dialog, "txtText3")->text(), u"pw"_s);
    QCOMPARE(Find<QLineEdit>(&dialog, "txtText3")->echoMode(), QLineEdit::Password);
    QVERIFY(!Find<QCheckBox>(&dialog, "chkFlag")->isChecked());
    QCOMPARE(dialog.page(), stored);
}

void TestPageEditDialog::everyBoxKeepsTheFirstLine_data() {
    QTest::addColumn<QString>("box");
    for (int index = 0; index < 5; ++index)
        QTest::newRow(qPrintable(u"txtText"_s + QString::number(index)))
            << u"txtText"_s + QString::number(index);
}

void TestPageEditDialog::everyBoxKeepsTheFirstLine() {
    QFETCH(QString, box);
    ScriptedPrompter prompter;
    PageEditDialog dialog(prompter);
    auto* edit = dialog.findChild<QLineEdit*>(box);
    edit->clear();
    edit->insert(u"first\r\nsecond"_s);
    QCOMPARE(edit->text(), u"first"_s);
}

void TestPageEditDialog::refusedAddressIsSelected() {
    ScriptedPrompter prompter;
    PageEditDialog dialog(prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* url = Find<QLineEdit>(&dialog, "txtText1");
    url->setText(u"www.example.com"_s);
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompter.asked, QStringList{u"エラー|"_s + BadUrlMessage()});
    QVERIFY(url->hasFocus());
    QTRY_COMPARE(url->selectedText(), u"www.example.com"_s);
}

QTEST_MAIN(TestPageEditDialog)
#include "tst_pageeditdialog.moc"
