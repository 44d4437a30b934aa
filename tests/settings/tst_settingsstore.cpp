#include "base/AnsiText.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <functional>
#include <type_traits>
#include <variant>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(AppSettings)

namespace {

const QString Section = u"[Sorvanta 1.00]"_s;
const QString DefaultMessage = u"現在、遅れに関する情報はありません。"_s;

AppFolders singleUserFolders(const QString& dir) {
    return AppFolders(parseStartupArguments(u"/singleuser"_s), dir, dir + u"/appdata"_s);
}

// Every field written out, so that a wrong default in the record's declaration shows as well.
// Positions are read with single precision; ReloadPhase is 23 % 5 at the fake clock's 10:23.
AppSettings expectedDefaults() {
    // clang-format off
    return AppSettings{
        .XPosR = double(0.3f), .YPosR = double(0.3f), .FixWindowPosition = true, .AutoRun = false,
        .TopMost = true, .ShowInTaskbar = false, .ImageDir = QString(), .ImageTitle = QString(),
        .LoadAtFirst = true, .Notify = true, .AutoReload = true, .AutoReloadDelay = 5, .ShowInfo = true,
        .ShowInfoDelay = 120, .ShowTitle = false, .ShowFilter = true, .ShowTextInstead = true,
        .IgnoreCase = false, .IgnoreQuote = false, .FontName = u"ＭＳ ゴシック"_s, .FontSize = 12,
        .FontBold = false, .FontItalic = false, .Top = 39, .Left = 31, .ScrollWeight = 15,
        .ScrollDelay = 500, .Scroll_MonoColor = false, .Scroll_Shadow = true, .Scroll_Stretch = false,
        .Scroll_Reverse = false, .Scroll_Blink = false, .UseProxy = false, .Proxy = QString(),
        .UserName = QString(), .Password = QString(), .AutoDialing = false, .AutoHangup = false,
        .Debug = false, .ReloadPhase = 3, .AutoReloadOff = false, .AutoReloadOffFrom = 0,
        .AutoReloadOffTo = 6, .ShowProgressDialog = false, .HideErrorDialog = false,
        .ShutdownByDblclick = false, .ShowInfoByClick = false, .ShowInfoBySpaceKey = true,
        .PlaySound1 = false, .PlaySound2 = false, .SoundFile1 = QString(), .SoundFile2 = QString(),
        .SoundFile3 = QString(), .SoundFile4 = QString(), .DefaultMSG = DefaultMessage,
        .ShowDefaultMSG = true, .DefaultExpiresMinute = 15, .IgnoreExcept = false,
        .NonHTMLExt = u"js,cgi,css"_s, .Zoom = 1, .NotifyNewKeyword = true};
    // clang-format on
}

QStringList iniLines(const QString& dir, const QString& name = u"Sorvanta.ini"_s) {
    QStringList lines = decodeAnsiText(readFileBytes(dir + u'/' + name)).split(u"\r\n"_s);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// What a save of the defaults writes, in order and format.
QStringList defaultSaveLines() {
    return iniLines(QStringLiteral(SORVANTA_TEST_DATA "/settings"), u"defaults-saved.ini"_s);
}

template <typename T> QString describe(const char16_t* name, const T& value) {
    return QString::fromUtf16(name) + u'=' + QVariant::fromValue(value).toString();
}

// One line per field, so a failed comparison names the field that differs.
#define FIELD(name) describe(u"" #name, s.name)
QStringList dump(const AppSettings& s) {
    // clang-format off
    return {
        FIELD(XPosR), FIELD(YPosR), FIELD(FixWindowPosition), FIELD(AutoRun), FIELD(TopMost),
        FIELD(ShowInTaskbar), FIELD(ImageDir), FIELD(ImageTitle), FIELD(LoadAtFirst), FIELD(Notify),
        FIELD(AutoReload), FIELD(AutoReloadDelay), FIELD(ShowInfo), FIELD(ShowInfoDelay), FIELD(ShowTitle),
        FIELD(ShowFilter), FIELD(ShowTextInstead), FIELD(IgnoreCase), FIELD(IgnoreQuote), FIELD(FontName),
        FIELD(FontSize), FIELD(FontBold), FIELD(FontItalic), FIELD(Top), FIELD(Left), FIELD(ScrollWeight),
        FIELD(ScrollDelay), FIELD(Scroll_MonoColor), FIELD(Scroll_Shadow), FIELD(Scroll_Stretch),
        FIELD(Scroll_Reverse), FIELD(Scroll_Blink), FIELD(UseProxy), FIELD(Proxy), FIELD(UserName),
        FIELD(Password), FIELD(AutoDialing), FIELD(AutoHangup), FIELD(Debug), FIELD(ReloadPhase),
        FIELD(AutoReloadOff), FIELD(AutoReloadOffFrom), FIELD(AutoReloadOffTo), FIELD(ShowProgressDialog),
        FIELD(HideErrorDialog), FIELD(ShutdownByDblclick), FIELD(ShowInfoByClick),
        FIELD(ShowInfoBySpaceKey), FIELD(PlaySound1), FIELD(PlaySound2), FIELD(SoundFile1),
        FIELD(SoundFile2), FIELD(SoundFile3), FIELD(SoundFile4), FIELD(DefaultMSG), FIELD(ShowDefaultMSG),
        FIELD(DefaultExpiresMinute), FIELD(IgnoreExcept), FIELD(NonHTMLExt), FIELD(Zoom), FIELD(NotifyNewKeyword)};
    // clang-format on
}
#undef FIELD

AppSettings loadText(const QString& dir, const QString& iniText, double dpi = 96) {
    writeFileBytes(dir + u"/Sorvanta.ini"_s, iniText.toUtf8());
    return loadSettings(singleUserFolders(dir), FakeClock(), dpi);
}

void addKeyRow(const QString& line, bool saved, const std::function<void(AppSettings&)>& change) {
    AppSettings expected = expectedDefaults();
    change(expected);
    QTest::newRow(line.section(u'=', 0, 0).toUtf8().constData()) << line << saved << expected;
}

void addCase(const char* name, const QString& line, const std::function<void(AppSettings&)>& change) {
    AppSettings expected = expectedDefaults();
    change(expected);
    QTest::newRow(name) << line << expected;
}

// The row's line alone in the section loads as the row's record.
void compareLoadedLine() {
    QFETCH(QString, line);
    QFETCH(AppSettings, expected);
    QTemporaryDir dir;
    QCOMPARE(dump(loadText(dir.path(), Section + u"\r\n"_s + line + u"\r\n"_s)), dump(expected));
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void emptyFileGivesDefaults_data();
    void emptyFileGivesDefaults();
    void keyReadsIntoItsField_data();
    void keyReadsIntoItsField();
    void keySavedInItsFormat_data();
    void keySavedInItsFormat();
    void textReadsAs_data();
    void textReadsAs();
    void defaultLiesInItsRange_data();
    void defaultLiesInItsRange();
    void fontSizeDefaultFollowsDpi_data();
    void fontSizeDefaultFollowsDpi();
    void reloadPhaseFollowsClock_data();
    void reloadPhaseFollowsClock();
    void readIniValue_data();
    void readIniValue();
    void saveFromDefaultsWritesListedKeys();
    void saveKeepsUserKeysAndSections();
    void batchSaveMatchesSingleWrites();
    void cp932FileLoads();
    void nonDefaultRecordRoundTrips();
    void positionsWrittenWithDotInAnyLocale();
    void writeCreatesSettingsFolder();
    void writeIntoUncreatableFolderIsSilent();
    void unreadableFileIsNotOverwritten();
    void storeAnnouncesLoad();
};

void TestSettingsStore::emptyFileGivesDefaults_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty file") << QString();
    QTest::newRow("section without keys") << Section + u"\r\n"_s;
    QTest::newRow("keys of another section") << u"[Other]\r\nTopMost=No\r\nAutoReloadDelay=9\r\n"_s;
}

void TestSettingsStore::emptyFileGivesDefaults() {
    QFETCH(QString, text);
    QTemporaryDir dir;
    QCOMPARE(dump(loadText(dir.path(), text)), dump(expectedDefaults()));
}

// One row per key: a text in the saved format and the field it must land in.
void TestSettingsStore::keyReadsIntoItsField_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<AppSettings>("expected");
    addKeyRow(u"XPosR=0.5000000"_s, true, [](AppSettings& s) { s.XPosR = 0.5; });
    addKeyRow(u"YPosR=0.2500000"_s, true, [](AppSettings& s) { s.YPosR = 0.25; });
    addKeyRow(u"FixWindowPosition=No"_s, true, [](AppSettings& s) { s.FixWindowPosition = false; });
    addKeyRow(u"ImageDir=Blue Sky"_s, true, [](AppSettings& s) { s.ImageDir = u"Blue Sky"_s; });
    addKeyRow(u"ImageTitle=skin.bmp"_s, true, [](AppSettings& s) { s.ImageTitle = u"skin.bmp"_s; });
    addKeyRow(u"Top=45"_s, false, [](AppSettings& s) { s.Top = 45; });
    addKeyRow(u"Left=20"_s, false, [](AppSettings& s) { s.Left = 20; });
    addKeyRow(u"TopMost=No"_s, true, [](AppSettings& s) { s.TopMost = false; });
    addKeyRow(u"LoadAtFirst=No"_s, true, [](AppSettings& s) { s.LoadAtFirst = false; });
    addKeyRow(u"AutoReload=No"_s, true, [](AppSettings& s) { s.AutoReload = false; });
    addKeyRow(u"AutoReloadDelay=7"_s, true, [](AppSettings& s) {
        s.AutoReloadDelay = 7;
        s.ReloadPhase = 2;
    });
    addKeyRow(u"Notify=No"_s, true, [](AppSettings& s) { s.Notify = false; });
    addKeyRow(u"ShowInfo=No"_s, true, [](AppSettings& s) { s.ShowInfo = false; });
    addKeyRow(u"ShowInfoDelay=30"_s, true, [](AppSettings& s) { s.ShowInfoDelay = 30; });
    addKeyRow(u"ShowTitle=Yes"_s, true, [](AppSettings& s) { s.ShowTitle = true; });
    addKeyRow(u"ShowFilter=No"_s, true, [](AppSettings& s) { s.ShowFilter = false; });
    addKeyRow(u"ShowTextInstead=No"_s, true, [](AppSettings& s) { s.ShowTextInstead = false; });
    addKeyRow(u"IgnoreCase=Yes"_s, true, [](AppSettings& s) { s.IgnoreCase = true; });
    addKeyRow(u"IgnoreQuote=Yes"_s, true, [](AppSettings& s) { s.IgnoreQuote = true; });
    addKeyRow(u"FontName=IPAGothic"_s, true, [](AppSettings& s) { s.FontName = u"IPAGothic"_s; });
    addKeyRow(u"FontSize=9"_s, true, [](AppSettings& s) { s.FontSize = 9; });
    addKeyRow(u"FontBold=Yes"_s, true, [](AppSettings& s) { s.FontBold = true; });
    addKeyRow(u"FontItalic=Yes"_s, true, [](AppSettings& s) { s.FontItalic = true; });
    addKeyRow(u"ScrollWeight=3"_s, false, [](AppSettings& s) { s.ScrollWeight = 3; });
    addKeyRow(u"ScrollDelay=250"_s, false, [](AppSettings& s) { s.ScrollDelay = 250; });
    addKeyRow(u"Scroll_MonoColor=Yes"_s, true, [](AppSettings& s) { s.Scroll_MonoColor = true; });
    addKeyRow(u"Scroll_Shadow=No"_s, true, [](AppSettings& s) { s.Scroll_Shadow = false; });
    addKeyRow(u"Scroll_Stretch=Yes"_s, true, [](AppSettings& s) { s.Scroll_Stretch = true; });
    addKeyRow(u"Scroll_Reverse=Yes"_s, true, [](AppSettings& s) { s.Scroll_Reverse = true; });
    addKeyRow(u"Scroll_Blink=Yes"_s, true, [](AppSettings& s) { s.Scroll_Blink = true; });
    addKeyRow(u"UseProxy=Yes"_s, true, [](AppSettings& s) { s.UseProxy = true; });
    addKeyRow(u"Proxy=proxy.example:8080"_s, true, [](AppSettings& s) { s.Proxy = u"proxy.example:8080"_s; });
    addKeyRow(u"UserName=taro"_s, true, [](AppSettings& s) { s.UserName = u"taro"_s; });
    addKeyRow(u"Password=3i4j5k"_s, true, [](AppSettings& s) { s.Password = u"3i4j5k"_s; });
    addKeyRow(u"AutoDialing=Yes"_s, true, [](AppSettings& s) { s.AutoDialing = true; });
    addKeyRow(u"AutoHangup=Yes"_s, true, [](AppSettings& s) { s.AutoHangup = true; });
    addKeyRow(u"Debug=Yes"_s, false, [](AppSettings& s) { s.Debug = true; });
    addKeyRow(u"AutoReloadOff=Yes"_s, true, [](AppSettings& s) { s.AutoReloadOff = true; });
    addKeyRow(u"AutoReloadOffFrom=22"_s, true, [](AppSettings& s) { s.AutoReloadOffFrom = 22; });
    addKeyRow(u"AutoReloadOffTo=5"_s, true, [](AppSettings& s) { s.AutoReloadOffTo = 5; });
    addKeyRow(u"ShowProgressDialog=Yes"_s, true, [](AppSettings& s) { s.ShowProgressDialog = true; });
    addKeyRow(u"HideErrorDialog=Yes"_s, true, [](AppSettings& s) { s.HideErrorDialog = true; });
    addKeyRow(u"ShutdownByDblclick=Yes"_s, true, [](AppSettings& s) { s.ShutdownByDblclick = true; });
    addKeyRow(u"ShowInfoByClick=Yes"_s, true, [](AppSettings& s) { s.ShowInfoByClick = true; });
    addKeyRow(u"ShowInfoBySpaceKey=No"_s, true, [](AppSettings& s) { s.ShowInfoBySpaceKey = false; });
    addKeyRow(u"ShowInTaskbar=Yes"_s, true, [](AppSettings& s) { s.ShowInTaskbar = true; });
    addKeyRow(u"PlaySound1=Yes"_s, true, [](AppSettings& s) { s.PlaySound1 = true; });
    addKeyRow(u"PlaySound2=Yes"_s, true, [](AppSettings& s) { s.PlaySound2 = true; });
    addKeyRow(u"SoundFile1=/snd/done.wav"_s, true, [](AppSettings& s) { s.SoundFile1 = u"/snd/done.wav"_s; });
    addKeyRow(u"SoundFile2=/snd/key.wav"_s, true, [](AppSettings& s) { s.SoundFile2 = u"/snd/key.wav"_s; });
    addKeyRow(u"SoundFile3=/snd/plain.wav"_s, true,
              [](AppSettings& s) { s.SoundFile3 = u"/snd/plain.wav"_s; });
    addKeyRow(u"SoundFile4=/snd/none.wav"_s, true, [](AppSettings& s) { s.SoundFile4 = u"/snd/none.wav"_s; });
    addKeyRow(u"ShowDefaultMSG=No"_s, true, [](AppSettings& s) { s.ShowDefaultMSG = false; });
    addKeyRow(u"DefaultMSG=お知らせなし"_s, false, [](AppSettings& s) { s.DefaultMSG = u"お知らせなし"_s; });
    addKeyRow(u"DefaultExpiresMinute=30"_s, true, [](AppSettings& s) { s.DefaultExpiresMinute = 30; });
    addKeyRow(u"IgnoreExcept=Yes"_s, true, [](AppSettings& s) { s.IgnoreExcept = true; });
    addKeyRow(u"NonHTMLExt=js,php"_s, true, [](AppSettings& s) { s.NonHTMLExt = u"js,php"_s; });
    addKeyRow(u"Zoom=3"_s, true, [](AppSettings& s) { s.Zoom = 3; });
    addKeyRow(u"NotifyNewKeyword=No"_s, true, [](AppSettings& s) { s.NotifyNewKeyword = false; });
}

void TestSettingsStore::keyReadsIntoItsField() {
    compareLoadedLine();
}

void TestSettingsStore::keySavedInItsFormat_data() {
    keyReadsIntoItsField_data();
}

// Saving the changed record into a new file changes exactly that key's line, or nothing for keys
// that are never written.
void TestSettingsStore::keySavedInItsFormat() {
    QFETCH(QString, line);
    QFETCH(bool, saved);
    QFETCH(AppSettings, expected);
    QTemporaryDir dir;
    saveSettings(singleUserFolders(dir.path()), expected);
    QStringList lines = defaultSaveLines();
    if (saved) {
        const QString key = line.section(u'=', 0, 0) + u'=';
        const auto at = std::ranges::find_if(lines, [&](const QString& l) { return l.startsWith(key); });
        QVERIFY(at != lines.end());
        *at = line;
    }
    QCOMPARE(iniLines(dir.path()), lines);
}

void TestSettingsStore::textReadsAs_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<AppSettings>("expected");
    const auto same = [](AppSettings&) {};
    const QString longMessage = QString(150, u'遅');
    addCase("AutoReloadDelay 0 is 5", u"AutoReloadDelay=0"_s, same);
    addCase("AutoReloadDelay 1 stays", u"AutoReloadDelay=1"_s, [](AppSettings& s) {
        s.AutoReloadDelay = 1;
        s.ReloadPhase = 0;
    });
    addCase("AutoReloadDelay 60 stays", u"AutoReloadDelay=60"_s, [](AppSettings& s) {
        s.AutoReloadDelay = 60;
        s.ReloadPhase = 23;
    });
    addCase("AutoReloadDelay 61 is 5", u"AutoReloadDelay=61"_s, same);
    addCase("ShowInfoDelay 600 stays", u"ShowInfoDelay=600"_s, [](AppSettings& s) { s.ShowInfoDelay = 600; });
    addCase("ShowInfoDelay 601 is 120", u"ShowInfoDelay=601"_s, same);
    addCase("ShowInfoDelay 0 is 120", u"ShowInfoDelay=0"_s, same);
    addCase("DefaultExpiresMinute 59 stays", u"DefaultExpiresMinute=59"_s,
            [](AppSettings& s) { s.DefaultExpiresMinute = 59; });
    addCase("DefaultExpiresMinute 60 is 15", u"DefaultExpiresMinute=60"_s, same);
    addCase("DefaultExpiresMinute 0 is 15", u"DefaultExpiresMinute=0"_s, same);
    addCase("Zoom 4 stays", u"Zoom=4"_s, [](AppSettings& s) { s.Zoom = 4; });
    addCase("Zoom 5 is 1", u"Zoom=5"_s, same);
    addCase("Zoom 0 is 1", u"Zoom=0"_s, same);
    addCase("Top 0 is 39", u"Top=0"_s, same);
    addCase("Top 1 stays", u"Top=1"_s, [](AppSettings& s) { s.Top = 1; });
    addCase("Top not a number is 39", u"Top=top"_s, same);
    addCase("Left negative is 31", u"Left=-3"_s, same);
    addCase("ScrollWeight 0 is 15", u"ScrollWeight=0"_s, same);
    addCase("YES is true", u"ShowTitle=YES"_s, [](AppSettings& s) { s.ShowTitle = true; });
    addCase("yes is true", u"ShowTitle=yes"_s, [](AppSettings& s) { s.ShowTitle = true; });
    addCase("NO is false", u"TopMost=NO"_s, [](AppSettings& s) { s.TopMost = false; });
    addCase("1 gives the default true", u"TopMost=1"_s, same);
    addCase("1 gives the default false", u"ShowTitle=1"_s, same);
    addCase("empty Boolean gives the default", u"TopMost="_s, same);
    addCase("word gives the default", u"AutoReloadOffTo=six"_s, same);
    addCase("trailing letters give the default", u"ScrollDelay=12abc"_s, same);
    addCase("hex gives the default", u"AutoReloadOffFrom=0x10"_s, same);
    addCase("grouping gives the default", u"ScrollDelay=1,000"_s, same);
    addCase("Integer 32767 stays", u"Top=32767"_s, [](AppSettings& s) { s.Top = 32767; });
    addCase("Integer 32768 gives the default", u"Top=32768"_s, same);
    addCase("Integer -32768 stays", u"AutoReloadOffFrom=-32768"_s,
            [](AppSettings& s) { s.AutoReloadOffFrom = -32768; });
    addCase("Integer -32769 gives the default", u"AutoReloadOffTo=-32769"_s, same);
    addCase("FontSize beyond 16 bits gives the default", u"FontSize=40000"_s, same);
    addCase("Long 2147483647 stays", u"ScrollDelay=2147483647"_s,
            [](AppSettings& s) { s.ScrollDelay = 2147483647; });
    addCase("Long 2147483648 gives the default", u"ScrollDelay=2147483648"_s, same);
    addCase("12.6 rounds up", u"FontSize=12.6"_s, [](AppSettings& s) { s.FontSize = 13; });
    addCase("12.5 rounds to even 12", u"FontSize=12.5"_s, same);
    addCase("3.5 rounds to even 4", u"ScrollDelay=3.5"_s, [](AppSettings& s) { s.ScrollDelay = 4; });
    addCase("comma decimal separator", u"XPosR=0,5"_s, [](AppSettings& s) { s.XPosR = 0.5; });
    addCase("single precision", u"XPosR=0.1234567"_s, [](AppSettings& s) { s.XPosR = double(0.1234567f); });
    addCase("fraction not a number gives the default", u"YPosR=left"_s, same);
    addCase("empty DefaultMSG gives the default", u"DefaultMSG="_s, same);
    addCase("empty NonHTMLExt gives the default", u"NonHTMLExt="_s, same);
    addCase("empty FontName gives the default", u"FontName="_s, same);
    addCase("long value read whole", u"DefaultMSG="_s + longMessage,
            [=](AppSettings& s) { s.DefaultMSG = longMessage; });
    addCase("spaces around = and value", u"Proxy =  host:8080  "_s,
            [](AppSettings& s) { s.Proxy = u"host:8080"_s; });
}

void TestSettingsStore::textReadsAs() {
    compareLoadedLine();
}

void TestSettingsStore::defaultLiesInItsRange_data() {
    QTest::addColumn<QString>("name");
    for (const SettingsKey& key : settingsKeys()) {
        if (key.validRange)
            QTest::newRow(key.name.toUtf8().constData()) << key.name.toString();
    }
}

// A value outside its range becomes the default, so the default must lie inside.
void TestSettingsStore::defaultLiesInItsRange() {
    QFETCH(QString, name);
    const SettingsKey& key = findSettingsKey(name);
    const double value = std::visit(
        [](auto member) -> double {
            const auto& field = defaultSettings().*member;
            if constexpr (std::is_arithmetic_v<std::remove_cvref_t<decltype(field)>>)
                return double(field);
            else
                return qQNaN();
        },
        key.field);
    QVERIFY2(key.validRange->contains(value), qPrintable(QString::number(value)));
}

void TestSettingsStore::fontSizeDefaultFollowsDpi_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<float>("fontSize");
    QTest::newRow("96 dpi") << 96.0 << 12.0f;
    QTest::newRow("120 dpi rounds 9.6 up") << 120.0 << 10.0f;
    QTest::newRow("144 dpi") << 144.0 << 8.0f;
    QTest::newRow("72 dpi") << 72.0 << 16.0f;
    QTest::newRow("unknown dpi") << 0.0 << 12.0f;
}

void TestSettingsStore::fontSizeDefaultFollowsDpi() {
    QFETCH(double, dpi);
    QFETCH(float, fontSize);
    QTemporaryDir dir;
    QCOMPARE(loadText(dir.path(), QString(), dpi).FontSize, fontSize);
    QCOMPARE(loadText(dir.path(), Section + u"\r\nFontSize=\r\n"_s, dpi).FontSize, fontSize);
}

void TestSettingsStore::reloadPhaseFollowsClock_data() {
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<int>("phase");
    QTest::newRow("10:23 period 5") << QTime(10, 23) << u"5"_s << 3;
    QTest::newRow("period 7 at minute 3") << QTime(10, 3) << u"7"_s << 3;
    QTest::newRow("period 7 at minute 59") << QTime(8, 59) << u"7"_s << 3;
    QTest::newRow("period 60 on the hour") << QTime(0, 0) << u"60"_s << 0;
    QTest::newRow("period 0 taken as 5") << QTime(10, 23) << u"0"_s << 3;
}

void TestSettingsStore::reloadPhaseFollowsClock() {
    QFETCH(QTime, now);
    QFETCH(QString, delay);
    QFETCH(int, phase);
    QTemporaryDir dir;
    writeFileBytes(dir.filePath(u"Sorvanta.ini"_s), (Section + u"\nAutoReloadDelay="_s + delay).toUtf8());
    const FakeClock clock(QDateTime(QDate(2026, 3, 1), now));
    QCOMPARE(loadSettings(singleUserFolders(dir.path()), clock, 96).ReloadPhase, phase);
}

void TestSettingsStore::readIniValue_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("value");
    QTest::newRow("value present") << u"Proxy=host"_s << u"x"_s << u"host"_s;
    QTest::newRow("key without case") << u"PROXY=host"_s << QString() << u"host"_s;
    QTest::newRow("missing key gives the default") << u"Other=1"_s << u"x"_s << u"x"_s;
    QTest::newRow("empty value gives the default") << u"Proxy="_s << u"x"_s << u"x"_s;
    QTest::newRow("empty value, empty default") << u"Proxy="_s << QString() << QString();
}

void TestSettingsStore::readIniValue() {
    QFETCH(QString, line);
    QFETCH(QString, defaultText);
    QFETCH(QString, value);
    QTemporaryDir dir;
    writeFileBytes(dir.filePath(u"Sorvanta.ini"_s), (Section + u"\r\n"_s + line).toUtf8());
    QCOMPARE(::readIniValue(singleUserFolders(dir.path()), u"Proxy"_s, defaultText), value);
}

void TestSettingsStore::saveFromDefaultsWritesListedKeys() {
    QTemporaryDir dir;
    const AppFolders folders = singleUserFolders(dir.path());
    saveSettings(folders, loadSettings(folders, FakeClock(), 96));
    QCOMPARE(readFileBytes(dir.filePath(u"Sorvanta.ini"_s)),
             (defaultSaveLines().join(u"\r\n"_s) + u"\r\n"_s).toUtf8());
}

void TestSettingsStore::saveKeepsUserKeysAndSections() {
    QTemporaryDir dir;
    const AppSettings loaded = loadText(
        dir.path(),
        u"; mine\r\n[Sorvanta 1.00]\r\nDebug=Yes\r\nTop=40\r\ntopmost = no\r\n\r\n[Other]\r\nTopMost=x\r\n"_s);
    saveSettings(singleUserFolders(dir.path()), loaded);
    QStringList expected = defaultSaveLines();
    expected.removeOne(u"TopMost=Yes"_s);
    expected.removeFirst();
    expected = QStringList{u"; mine"_s, Section, u"Debug=Yes"_s, u"Top=40"_s, u"TopMost=No"_s} + expected +
               QStringList{QString(), u"[Other]"_s, u"TopMost=x"_s};
    QCOMPARE(iniLines(dir.path()), expected);
}

void TestSettingsStore::batchSaveMatchesSingleWrites() {
    const QByteArray start = "[Other]\r\nk=1\r\n[sorvanta 1.00]\r\nFontSize=20\r\nDebug=Yes\r\n\r\n; end\r\n";
    QTemporaryDir batch;
    QTemporaryDir single;
    writeFileBytes(batch.filePath(u"Sorvanta.ini"_s), start);
    writeFileBytes(single.filePath(u"Sorvanta.ini"_s), start);
    saveSettings(singleUserFolders(batch.path()), expectedDefaults());
    for (const QString& line : defaultSaveLines().sliced(1))
        writeIniValue(singleUserFolders(single.path()), line.section(u'=', 0, 0), line.section(u'=', 1));
    QCOMPARE(readFileBytes(batch.filePath(u"Sorvanta.ini"_s)),
             readFileBytes(single.filePath(u"Sorvanta.ini"_s)));
}

void TestSettingsStore::cp932FileLoads() {
    QTemporaryDir dir;
    QVERIFY(QFile::copy(QStringLiteral(SORVANTA_TEST_DATA "/settings/cp932-crlf.ini"),
                        dir.filePath(u"Sorvanta.ini"_s)));
    AppSettings expected = expectedDefaults();
    expected.XPosR = double(0.45f);
    expected.YPosR = double(0.25f);
    expected.TopMost = false;
    expected.FontName = u"ＭＳ 明朝"_s;
    expected.FontSize = 9;
    expected.DefaultMSG = u"只今、遅延情報はありません。"_s;
    expected.Top = 45;
    expected.Debug = true;
    expected.ImageDir = u"Blue Sky"_s;
    expected.NonHTMLExt = u"js,cgi"_s;
    QCOMPARE(dump(loadSettings(singleUserFolders(dir.path()), FakeClock(), 96)), dump(expected));
}

void TestSettingsStore::nonDefaultRecordRoundTrips() {
    AppSettings record = expectedDefaults();
    record.XPosR = 0.5;
    record.YPosR = 0.75;
    record.ImageDir = u"  My Skins  "_s;
    record.ImageTitle = u"\"night\""_s;
    record.FontName = u"ＭＳ Ｐゴシック"_s;
    record.FontSize = 10.5f; // from a font dialog; stored as a whole number
    record.Proxy = u"user=me;host=proxy:8080"_s;
    record.Password = u"'x'"_s;
    record.SoundFile1 = u"/home/太郎/音 声/done.wav"_s;
    record.AutoReloadDelay = 7;
    record.ReloadPhase = 2;
    record.ShowTitle = true;
    record.TopMost = false;
    QTemporaryDir dir;
    const AppFolders folders = singleUserFolders(dir.path());
    saveSettings(folders, record);
    record.FontSize = 11;
    QCOMPARE(dump(loadSettings(folders, FakeClock(), 96)), dump(record));
}

void TestSettingsStore::positionsWrittenWithDotInAnyLocale() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    AppSettings record = expectedDefaults();
    record.XPosR = 0.5;
    saveSettings(singleUserFolders(dir.path()), record);
    QLocale::setDefault(previous);
    QVERIFY(iniLines(dir.path()).contains(u"XPosR=0.5000000"_s));
}

void TestSettingsStore::writeCreatesSettingsFolder() {
    QTemporaryDir dir;
    const AppFolders folders(StartupOptions{}, dir.filePath(u"program"_s), dir.path());
    writeIniValue(folders, u"Proxy"_s, u"host"_s);
    QCOMPARE(readFileBytes(dir.filePath(u"kwSorvanta/Sorvanta.ini"_s)),
             QByteArray("[Sorvanta 1.00]\r\nProxy=host\r\n"));
}

void TestSettingsStore::writeIntoUncreatableFolderIsSilent() {
    QTemporaryDir dir;
    writeFileBytes(dir.filePath(u"keep.txt"_s), "kept");
    // A file stands where the id folder's parent should be.
    writeFileBytes(dir.filePath(u"Settings"_s), "not a folder");
    const AppFolders folders(parseStartupArguments(u"/id=Kitchen"_s), dir.path(), dir.path());
    writeIniValue(folders, u"Proxy"_s, u"host"_s);
    saveSettings(folders, expectedDefaults());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
             (QStringList{u"Settings"_s, u"keep.txt"_s}));
    QCOMPARE(readFileBytes(dir.filePath(u"Settings"_s)), QByteArray("not a folder"));
    QCOMPARE(readFileBytes(dir.filePath(u"keep.txt"_s)), QByteArray("kept"));
}

void TestSettingsStore::unreadableFileIsNotOverwritten() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"Sorvanta.ini"_s));
    const AppFolders folders = singleUserFolders(dir.path());
    saveSettings(folders, expectedDefaults());
    writeIniValue(folders, u"Proxy"_s, u"host"_s);
    QVERIFY(QFileInfo(dir.filePath(u"Sorvanta.ini"_s)).isDir());
    QCOMPARE(dump(loadSettings(folders, FakeClock(), 96)), dump(expectedDefaults()));
}

void TestSettingsStore::storeAnnouncesLoad() {
    QTemporaryDir dir;
    writeFileBytes(dir.filePath(u"Sorvanta.ini"_s), "[Sorvanta 1.00]\r\nShowInTaskbar=Yes\r\n");
    const FakeClock clock;
    SettingsStore store(singleUserFolders(dir.path()), clock, 96);
    QSignalSpy loaded(&store, &SettingsStore::settingsLoaded);
    AppSettings settings = store.loadSettings();
    QCOMPARE(loaded.count(), 1);
    QVERIFY(settings.ShowInTaskbar);
    QCOMPARE(loaded[0][0].value<AppSettings>(), settings);
    settings.ShowInTaskbar = false;
    store.saveSettings(settings);
    QVERIFY(iniLines(dir.path()).contains(u"ShowInTaskbar=No"_s));
    store.loadSettings();
    QCOMPARE(loaded.count(), 2);
    QVERIFY(!loaded[1][0].value<AppSettings>().ShowInTaskbar);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
