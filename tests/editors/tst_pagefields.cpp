#include "editors/PageFields.h"
#include "settings/PasswordScrambler.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPageFields : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void storedPassword_data();
    void storedPassword();
    void unreadablePasswordShowsEmpty();
};

void TestPageFields::check_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("password");
    QTest::addColumn<PageFieldsProblem>("problem");
    QTest::newRow("the default address alone") << u"http://"_s << QString() << PageFieldsProblem::None;
    QTest::newRow("https") << u"https://example.com/"_s << u"pa$$w0rd"_s << PageFieldsProblem::None;
    QTest::newRow("scheme in capitals") << u"HTTP://example.com/"_s << QString() << PageFieldsProblem::Url;
    QTest::newRow("double-byte password") << u"http://a/"_s << u"パス"_s << PageFieldsProblem::Password;
}

void TestPageFields::check() {
    QFETCH(QString, url);
    QFETCH(QString, password);
    QFETCH(PageFieldsProblem, problem);
    PageFields fields;
    fields.url = url;
    fields.password = password;
    QCOMPARE(checkFields(fields, {}), problem);
}

// Row: the page as stored before, the password typed; what is stored must give back the typed one.
void TestPageFields::storedPassword_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("keptAsStored");
    const QString scrambled = encryptPassword(u"secret"_s, 7);
    QTest::newRow("empty stays empty") << QString() << QString() << true;
    QTest::newRow("new password scrambled") << QString() << u"secret"_s << false;
    QTest::newRow("untouched password kept as stored") << scrambled << u"secret"_s << true;
    QTest::newRow("changed password scrambled afresh") << scrambled << u"other"_s << false;
    QTest::newRow("cleared password stored empty") << scrambled << QString() << false;
}

void TestPageFields::storedPassword() {
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, keptAsStored);
    const PageRecord original{true, u"http://a/"_s, u"A"_s, {}, u"user"_s, stored};
    PageFields fields = fieldsOf(original);
    fields.password = typed;
    QCOMPARE(checkFields(fields, original), PageFieldsProblem::None);
    const PageRecord record = recordOf(fields, original);
    QCOMPARE(record.Password == stored, keptAsStored);
    QCOMPARE(record.Password.isEmpty(), typed.isEmpty());
    QCOMPARE(decryptPassword(record.Password), std::optional<QString>(typed));
}

void TestPageFields::unreadablePasswordShowsEmpty() {
    const PageRecord page{true, u"http://a/"_s, u"A"_s, {}, u"user"_s, u"1"_s};
    QVERIFY(!decryptPassword(page.Password));
    QCOMPARE(fieldsOf(page).password, QString());
    QCOMPARE(recordOf(fieldsOf(page), page).Password, QString());
}

QTEST_APPLESS_MAIN(TestPageFields)
#include "tst_pagefields.moc"
