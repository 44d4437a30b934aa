#include "settings/OptionsRules.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestOptionsRules : public QObject {
    Q_OBJECT
private slots:
    void delayProblem_data();
    void delayProblem();
    void soundFileStartFolder_data();
    void soundFileStartFolder();
};

void TestOptionsRules::delayProblem_data() {
    QTest::addColumn<QString>("autoReloadDelay");
    QTest::addColumn<QString>("showInfoDelay");
    QTest::addColumn<QString>("refusedBox");
    QTest::newRow("both at their upper ends") << u"60"_s << u"600"_s << QString();
    QTest::newRow("minutes 61") << u"61"_s << u"120"_s << u"AutoReloadDelay"_s;
    QTest::newRow("minutes empty") << QString() << u"120"_s << u"AutoReloadDelay"_s;
    QTest::newRow("seconds 601") << u"5"_s << u"601"_s << u"ShowInfoDelay"_s;
    QTest::newRow("seconds not a number") << u"5"_s << u"1e2"_s << u"ShowInfoDelay"_s;
    QTest::newRow("both wrong: the minutes first") << u"0"_s << u"601"_s << u"AutoReloadDelay"_s;
}

void TestOptionsRules::delayProblem() {
    QFETCH(QString, autoReloadDelay);
    QFETCH(QString, showInfoDelay);
    QFETCH(QString, refusedBox);
    const std::optional<DelayProblem> problem = findDelayProblem(autoReloadDelay, showInfoDelay);
    const auto name = [](DelayProblem::Box box) {
        return box == DelayProblem::Box::AutoReloadDelay ? u"AutoReloadDelay"_s : u"ShowInfoDelay"_s;
    };
    QCOMPARE(problem ? name(problem->box) : QString(), refusedBox);
}

void TestOptionsRules::soundFileStartFolder_data() {
    QTest::addColumn<QString>("currentFile"); // relative to a temporary folder holding "sounds/"
    QTest::addColumn<bool>("inSounds");
    QTest::newRow("the current file's folder") << u"sounds/ding.wav"_s << true;
    QTest::newRow("folder gone: home") << u"gone/ding.wav"_s << false;
    QTest::newRow("no file: home") << QString() << false;
}

void TestOptionsRules::soundFileStartFolder() {
    QFETCH(QString, currentFile);
    QFETCH(bool, inSounds);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"sounds"_s));
    const QString file = currentFile.isEmpty() ? QString() : dir.filePath(currentFile);
    QCOMPARE(::soundFileStartFolder(file), inSounds ? dir.filePath(u"sounds"_s) : QDir::homePath());
}

QTEST_GUILESS_MAIN(TestOptionsRules)
#include "tst_optionsrules.moc"
