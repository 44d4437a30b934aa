#include "display/ui/LedRenderer.h"
#include "settings/Autostart.h"
#include "settings/ui/OptionsDialog.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

struct ScriptedChoosers final : ChooserDialogs {
    std::optional<QFont> font; // the answers
    QString file;
    QFont fontAskedWith;
    QString folderAskedWith;

    std::optional<QFont> chooseFontDialog(QWidget*, const QFont& initial) override {
        fontAskedWith = initial;
        return font;
    }
    QString openSoundFileDialog(QWidget*, const QString& startFolder) override {
        folderAskedWith = startFolder;
        return file;
    }
};

// An options dialog over a temporary single-user folder; the rule and keyword dialogs each add one
// entry to their working copy.
struct Fixture {
    QTemporaryDir dir;
    FakeClock clock;
    AppFolders folders{parseStartupArguments(u"/singleuser"_s), dir.path(), dir.path()};
    ScriptedPrompter prompter;
    RecordingSoundPlayer sound;
    ScriptedChoosers choosers;
    DataFiles dataFiles{folders, &prompter};
    SettingsStore store{folders, clock, 96};
    QList<bool> topMost, taskbarEntry; // what the sign was told
    std::unique_ptr<OptionsDialog> dialog;

    explicit Fixture(const QByteArray& ini = {}) {
        writeFileBytes(dir.filePath(u"filter.txt"_s), "\"1\",\"太字\",\"<b>\",\"\",\"\"\n");
        writeFileBytes(folders.iniPath(), "[Sorvanta 1.00]\r\n" + ini);
        dataFiles.loadDataFiles();
        const auto addRule = [](QWidget*, QList<RuleRecord>& rules) {
            rules.append({true, u"新"_s, u"<i>"_s, u"</i>"_s, {}});
        };
        const auto addKeyword = [](QWidget*, QStringList& keywords) { keywords.append(u"運休"_s); };
        dialog = std::make_unique<OptionsDialog>(
            store.loadSettings(),
            OptionsDialog::Services{store, dataFiles, prompter, sound, choosers, &LedRenderer::messageFont,
                                    [this](bool on) { topMost.append(on); },
                                    [this](bool shown) { taskbarEntry.append(shown); }, u"/opt/sorvanta"_s,
                                    addRule, addKeyword});
        dialog->show();
    }

    template <typename Control = QWidget> Control* control(const QString& name) const {
        return dialog->findChild<Control*>(name);
    }
    void click(const QString& name) const { control<QAbstractButton>(name)->click(); }
    void type(const QString& name, const QString& text) const {
        auto* box = control<QSpinBox>(name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    QString ini() const { return QString::fromUtf8(readFileBytes(folders.iniPath())); }
    bool applyEnabled() const { return control(u"cmdApply"_s)->isEnabled(); }
};

// Representatives of the controls that depend on a check box, in the order the rows list them.
const QStringList Dependents = {u"txtAutoReloadDelay"_s, u"chkAutoReloadOff"_s,   u"txtAutoReloadOffTo"_s,
                                u"txtShowInfoDelay"_s,   u"chkHideErrorDialog"_s, u"cmdBrowseSoundFile0"_s,
                                u"txtSoundFile3"_s};

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path())); }
    void controlsShowTheSettings();
    void enablingRules_data();
    void enablingRules();
    void applyStoresAndHandsOn();
    void workingCopyChangesDoNotEnableApply_data();
    void workingCopyChangesDoNotEnableApply();
    void wrongDelayKeepsTheDialog();
    void cancelStoresNothing();
    void soundRows();

private:
    QTemporaryDir m_configHome; // for the logon-start entry
};

void TestOptionsDialog::controlsShowTheSettings() {
    Fixture f("TopMost=No\r\nAutoReloadDelay=7\r\nAutoReloadOffTo=30\r\nSoundFile2=/s/k.wav\r\nZoom=3\r\n");
    QVERIFY(!f.control<QCheckBox>(u"chkTopMost"_s)->isChecked());
    QCOMPARE(f.control<QSpinBox>(u"txtAutoReloadDelay"_s)->value(), 7);
    QCOMPARE(f.control<QSpinBox>(u"txtAutoReloadOffTo"_s)->value(), 23); // hours are held to 0..23
    QCOMPARE(f.control<QLineEdit>(u"txtSoundFile1"_s)->text(), u"/s/k.wav"_s);
    QCOMPARE(f.control<QSpinBox>(u"txtZoom"_s)->value(), 3);
    QVERIFY(!f.applyEnabled());
}

void TestOptionsDialog::enablingRules_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<QStringList>("disabled");
    QTest::newRow("defaults") << QByteArray() << QStringList()
                              << QStringList{u"txtAutoReloadOffTo"_s, u"cmdBrowseSoundFile0"_s,
                                             u"txtSoundFile3"_s};
    QTest::newRow("no periodic update greys the quiet hours too")
        << QByteArray("AutoReloadOff=Yes\r\n") << QStringList{u"chkAutoReload"_s}
        << QStringList{u"txtAutoReloadDelay"_s, u"chkAutoReloadOff"_s, u"txtAutoReloadOffTo"_s,
                       u"cmdBrowseSoundFile0"_s, u"txtSoundFile3"_s};
    QTest::newRow("periodic update back: quiet hours as checked")
        << QByteArray("AutoReloadOff=Yes\r\n") << QStringList{u"chkAutoReload"_s, u"chkAutoReload"_s}
        << QStringList{u"cmdBrowseSoundFile0"_s, u"txtSoundFile3"_s};
    QTest::newRow("progress dialog greys the error switch")
        << QByteArray("PlaySound1=Yes\r\nPlaySound2=Yes\r\n")
        << QStringList{u"chkShowProgressDialog"_s, u"chkShowInfo"_s, u"chkAutoReloadOff"_s}
        << QStringList{u"txtShowInfoDelay"_s, u"chkHideErrorDialog"_s};
    QTest::newRow("sound rows follow their check boxes")
        << QByteArray() << QStringList{u"chkPlaySound1"_s, u"chkPlaySound2"_s}
        << QStringList{u"txtAutoReloadOffTo"_s};
}

void TestOptionsDialog::enablingRules() {
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, disabled);
    Fixture f(ini + "HideErrorDialog=Yes\r\n");
    for (const QString& name : clicked)
        f.click(name);
    QStringList actuallyDisabled;
    for (const QString& name : Dependents) {
        if (!f.control(name)->isEnabled())
            actuallyDisabled.append(name);
    }
    QCOMPARE(actuallyDisabled, disabled);
    QVERIFY(f.control<QCheckBox>(u"chkHideErrorDialog"_s)->isChecked()); // greyed, never cleared
    QCOMPARE(f.applyEnabled(), !clicked.isEmpty());
}

// Apply writes the rules, the keywords and the settings, registers the logon start, puts the sign
// off the top band, shows its taskbar entry and hands the reloaded settings on; the dialog stays.
void TestOptionsDialog::applyStoresAndHandsOn() {
    Fixture f;
    f.click(u"cmdFilter"_s);
    f.click(u"cmdKeywords"_s);
    QVERIFY(!f.applyEnabled()); // changes in the sub-dialogs do not count
    for (const QString& check : {u"chkTopMost"_s, u"chkShowInTaskBar"_s, u"chkAutoRun"_s})
        f.click(check);
    f.type(u"txtShowInfoDelay"_s, u"30"_s);
    f.type(u"txtZoom"_s, u"2"_s);
    QSignalSpy loaded(&f.store, &SettingsStore::settingsLoaded);
    f.click(u"cmdApply"_s);
    QVERIFY(f.ini().contains(u"TopMost=No\r\n"_s));
    QVERIFY(f.ini().contains(u"Zoom=2\r\n"_s));
    QCOMPARE(readFileBytes(f.dir.filePath(u"filter.txt"_s)),
             "\"1\",\"太字\",\"<b>\",\"\",\"\"\r\n\"1\",\"新\",\"<i>\",\"</i>\",\"\"\r\n");
    QCOMPARE(f.dataFiles.tables().keywords, QStringList{u"運休"_s});
    QCOMPARE(f.topMost, QList<bool>{false});
    QCOMPARE(f.taskbarEntry, QList<bool>{true});
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(loaded[0][0].value<AppSettings>().ShowInfoDelay, 30);
    AppSettings autorun;
    readAutorunState(autorun);
    QVERIFY(autorun.AutoRun);
    QVERIFY(!f.applyEnabled());
    QVERIFY(f.dialog->isVisible());

    f.click(u"chkAutoRun"_s);
    f.click(u"cmdOK"_s);
    readAutorunState(autorun);
    QVERIFY(!autorun.AutoRun);
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
}

void TestOptionsDialog::workingCopyChangesDoNotEnableApply_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("stored"); // in the settings file after OK
    QTest::newRow("font") << u"cmdFont"_s << u"FontSize=20\r\nFontBold=Yes\r\n"_s;
    QTest::newRow("proxy") << u"cmdProxy"_s << u"UseProxy=Yes\r\nProxy=proxy.test:8080\r\n"_s;
}

void TestOptionsDialog::workingCopyChangesDoNotEnableApply() {
    QFETCH(QString, button);
    QFETCH(QString, stored);
    Fixture f;
    f.choosers.font = QFont(u"IPAGothic"_s, 20, QFont::Bold);
    if (button == u"cmdProxy"_s) {
        QTimer::singleShot(0, [] {
            QWidget* proxy = QApplication::activeModalWidget();
            proxy->findChild<QAbstractButton*>(u"chkUseProxy"_s)->click();
            proxy->findChild<QLineEdit*>(u"txtText0"_s)->setText(u"proxy.test"_s);
            proxy->findChild<QAbstractButton*>(u"cmdOK"_s)->click();
        });
    }
    f.click(button);
    QVERIFY(!f.applyEnabled());
    f.click(u"cmdOK"_s);
    QVERIFY(f.ini().contains(stored));
    if (button == u"cmdFont"_s) // the font dialog opened on the face the sign draws with
        QCOMPARE(f.choosers.fontAskedWith.family(), LedRenderer::resolveFontFamily(u"ＭＳ ゴシック"_s));
}

// OK after a refused delay keeps the dialog open on the first page, with the user's edits; nothing
// is stored. With both delays wrong only the first is reported.
void TestOptionsDialog::wrongDelayKeepsTheDialog() {
    Fixture f("ShowTitle=Yes\r\n");
    const QByteArray filter = readFileBytes(f.dir.filePath(u"filter.txt"_s));
    f.type(u"txtAutoReloadDelay"_s, u"61"_s);
    f.type(u"txtShowInfoDelay"_s, u"601"_s);
    f.click(u"chkShowTitle"_s);
    f.control<QTabWidget>(u"TabStrip1"_s)->setCurrentIndex(4);
    f.click(u"cmdOK"_s);
    QCOMPARE(f.prompter.asked,
             QStringList{u"エラー|情報をダウンロードする間隔は 1 から 60 分の間で指定してください。"_s});
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.control<QTabWidget>(u"TabStrip1"_s)->currentIndex(), 0);
    QVERIFY(!f.control<QCheckBox>(u"chkShowTitle"_s)->isChecked());
    QCOMPARE(f.ini(), u"[Sorvanta 1.00]\r\nShowTitle=Yes\r\n"_s);
    QCOMPARE(readFileBytes(f.dir.filePath(u"filter.txt"_s)), filter);
}

void TestOptionsDialog::cancelStoresNothing() {
    Fixture f("TopMost=Yes\r\n");
    f.choosers.font = QFont(u"IPAGothic"_s, 20);
    f.click(u"cmdFont"_s);
    f.click(u"chkNotify"_s);
    f.click(u"cmdCancel"_s);
    QCOMPARE(f.ini(), u"[Sorvanta 1.00]\r\nTopMost=Yes\r\n"_s);
    QCOMPARE(f.topMost, QList<bool>{true}); // the sign goes back on top
    QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
}

void TestOptionsDialog::soundRows() {
    QTemporaryDir sounds;
    const QString ding = sounds.filePath(u"ding.wav"_s);
    Fixture f("PlaySound2=Yes\r\nSoundFile3=" + ding.toUtf8() + "\r\n");
    f.click(u"cmdTestSound2"_s);
    QCOMPARE(f.sound.played, QStringList{ding});
    f.click(u"cmdBrowseSoundFile2"_s); // cancelled: the box is emptied
    QCOMPARE(f.choosers.folderAskedWith, sounds.path());
    QCOMPARE(f.control<QLineEdit>(u"txtSoundFile2"_s)->text(), QString());
    QVERIFY(f.applyEnabled());
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
