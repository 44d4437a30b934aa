#include "display/ui/TickerMenu.h"
#include "settings/AppSettings.h"
#include "startup/ui/UiLanguage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Set in a child run of this program: it installs the texts as the ticker does and prints captions.
constexpr char ChildMarker[] = "TST_UILANGUAGE_CHILD";

QString actionText(const QMenu* menu, const QString& name) {
    for (const QAction* action : menu->actions()) {
        if (action->objectName() == name)
            return action->text();
    }
    return {};
}

int printCaptions(int argc, char* argv[]) {
    QApplication application(argc, argv);
    installUiTexts(application);
    const TickerMenu menu;
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QTextStream(stdout) << actionText(menu.menu(), u"mnuOption"_s) << u'\n'
                        << buttons.button(QDialogButtonBox::Cancel)->text() << u'\n'
                        << shownDefaultMessage(AppSettings().DefaultMSG) << u'\n'
                        << shownDefaultMessage(u"運休なし"_s) << u'\n';
    return 0;
}

} // namespace

class TestUiLanguage : public QObject {
    Q_OBJECT
private slots:
    void languageFollowsTheDesktop_data();
    void languageFollowsTheDesktop();
};

void TestUiLanguage::languageFollowsTheDesktop_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("cancel");  // Qt's own button follows the same choice
    QTest::addColumn<QString>("message"); // the shipped default message; the user's own stays as written
    const QString english = u"There is no information on delays at the moment."_s;
    const QString japanese = AppSettings().DefaultMSG;
    QTest::newRow("LANG English") << QStringList{u"LANG=en_US.UTF-8"_s} << u"&Options..."_s << u"Cancel"_s
                                  << english;
    QTest::newRow("LANG Japanese") << QStringList{u"LANG=ja_JP.UTF-8"_s} << u"オプション(&O)..."_s
                                   << u"キャンセル"_s << japanese;
    QTest::newRow("LANGUAGE before LANG") << QStringList{u"LANG=ja_JP.UTF-8"_s, u"LANGUAGE=de:ja"_s}
                                          << u"&Options..."_s << u"Cancel"_s << english;
    QTest::newRow("LC_ALL before LANG") << QStringList{u"LANG=en_GB.UTF-8"_s, u"LC_ALL=ja_JP.UTF-8"_s}
                                        << u"オプション(&O)..."_s << u"キャンセル"_s << japanese;
    QTest::newRow("C locale") << QStringList{u"LANG=C"_s} << u"&Options..."_s << u"Cancel"_s << english;
}

void TestUiLanguage::languageFollowsTheDesktop() {
    QFETCH(QStringList, environment);
    QFETCH(QString, options);
    QFETCH(QString, cancel);
    QFETCH(QString, message);
    QProcessEnvironment child = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s})
        child.remove(name);
    for (const QString& setting : environment)
        child.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    child.insert(QString::fromLatin1(ChildMarker), u"1"_s);
    QProcess process;
    process.setProcessEnvironment(child);
    process.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(process.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    QCOMPARE(lines.value(0), options);
    QCOMPARE(lines.value(1), cancel);
    QCOMPARE(lines.value(2), message);
    QCOMPARE(lines.value(3), u"運休なし"_s);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(ChildMarker))
        return printCaptions(argc, argv);
    QApplication application(argc, argv);
    TestUiLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uilanguage.moc"
