#include "startup/ui/QtTexts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestQtTexts : public QObject {
    Q_OBJECT
private slots:
    void standardButtonsSpeakJapanese();
};

// Whatever the locale, a message box's buttons read as in the rest of the program.
void TestQtTexts::standardButtonsSpeakJapanese() {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_ja.qm"_s))
        QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(installJapaneseQtTexts(*qApp));
    const QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Retry |
                                   QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), u"キャンセル"_s);
    QVERIFY(!buttons.button(QDialogButtonBox::Yes)->text().contains(u"Yes"_s));
    QVERIFY(!buttons.button(QDialogButtonBox::Retry)->text().contains(u"Retry"_s));
}

QTEST_MAIN(TestQtTexts)
#include "tst_qttexts.moc"
