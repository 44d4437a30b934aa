#include "settings/PasswordScrambler.h"

#include <QList>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A text made of the characters with the given single-byte codes, as a hand-built scrambled text.
QString fromCodes(std::initializer_list<int> codes) {
    QString text;
    for (const int code : codes)
        text += QChar(static_cast<char16_t>(code));
    return text;
}

int codeAt(const QString& text, qsizetype index) {
    return text.at(index).unicode();
}

bool isCarrier(int code) {
    return code >= 70 && code <= 109;
}

} // namespace

class TestPasswordScrambler : public QObject {
    Q_OBJECT
private slots:
    void everyCarriedCodeRoundTrips_data();
    void everyCarriedCodeRoundTrips();
    void mixedPasswordsRoundTrip_data();
    void mixedPasswordsRoundTrip();
    void storedLength_data();
    void storedLength();
    void outputUsesOnlyStorableCodes_data();
    void outputUsesOnlyStorableCodes();
    void eachScramblingDiffers();
    void sameSeedGivesSameText();
    void pairForOneCharacter_data();
    void pairForOneCharacter();
    void randomChoicesCoverTheirRanges();
    void restoresTextsScrambledElsewhere_data();
    void restoresTextsScrambledElsewhere();
    void brokenTextsFail_data();
    void brokenTextsFail();
    void uncarriedCharactersComeBackChanged_data();
    void uncarriedCharactersComeBackChanged();
    void survivesScrambling_data();
    void survivesScrambling();
};

void TestPasswordScrambler::everyCarriedCodeRoundTrips_data() {
    QTest::addColumn<QString>("password");
    // Codes 0..127 are ASCII; 128 and 129 (the bytes 0x80 and 0x81) are held as U+0080 and U+0081.
    for (int code = 0; code <= 129; ++code)
        QTest::addRow("code %d", code) << QString(QChar(static_cast<char16_t>(code)));
}

void TestPasswordScrambler::everyCarriedCodeRoundTrips() {
    QFETCH(QString, password);
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        const QString scrambled = encryptPassword(password, seed);
        QCOMPARE(scrambled.size(), 18);
        QCOMPARE(decryptPassword(scrambled), std::optional<QString>(password));
    }
    QCOMPARE(decryptPassword(encryptPassword(password)), std::optional<QString>(password));
}

void TestPasswordScrambler::mixedPasswordsRoundTrip_data() {
    QTest::addColumn<QString>("password");
    QString printable;
    for (char16_t code = 32; code <= 126; ++code)
        printable += QChar(code);
    QTest::newRow("empty") << QString();
    QTest::newRow("letters") << u"abc"_s;
    QTest::newRow("every printable ASCII character") << printable;
    QTest::newRow("all marker ranges") << u"5i s x~\u0080\u0081"_s;
    QTest::newRow("file syntax characters") << u"\",\r\n\t\""_s;
    QTest::newRow("eight characters") << u"Pa55w0rd"_s;
    QTest::newRow("nine characters") << u"Pa55w0rd!"_s;
}

void TestPasswordScrambler::mixedPasswordsRoundTrip() {
    QFETCH(QString, password);
    QCOMPARE(decryptPassword(encryptPassword(password, 42)), std::optional<QString>(password));
    QCOMPARE(decryptPassword(encryptPassword(password)), std::optional<QString>(password));
}

void TestPasswordScrambler::storedLength_data() {
    QTest::addColumn<int>("passwordLength");
    QTest::addColumn<int>("storedLength");
    QTest::addColumn<bool>("endMarker");
    QTest::newRow("empty: end marker and 17 fillers") << 0 << 18 << true;
    QTest::newRow("one character") << 1 << 18 << true;
    QTest::newRow("eight characters: end marker and one filler") << 8 << 18 << true;
    QTest::newRow("nine characters: pairs only") << 9 << 18 << false;
    QTest::newRow("twenty characters: twice the length") << 20 << 40 << false;
}

void TestPasswordScrambler::storedLength() {
    QFETCH(int, passwordLength);
    QFETCH(int, storedLength);
    QFETCH(bool, endMarker);
    const QString password = u"xA5i"_s.repeated(5).left(passwordLength);
    const QString scrambled = encryptPassword(password, 7);
    QCOMPARE(scrambled.size(), storedLength);
    // End markers (120..125) never occur in pairs or filler.
    const qsizetype markerAt = 2 * passwordLength;
    for (qsizetype i = 0; i < scrambled.size(); ++i) {
        const bool isEndMarker = codeAt(scrambled, i) >= 120 && codeAt(scrambled, i) <= 125;
        QCOMPARE(isEndMarker, endMarker && i == markerAt);
        if (endMarker && i > markerAt)
            QVERIFY2(isCarrier(codeAt(scrambled, i)),
                     qPrintable(u"filler code %1"_s.arg(codeAt(scrambled, i))));
    }
}

void TestPasswordScrambler::outputUsesOnlyStorableCodes_data() {
    QTest::addColumn<QString>("password");
    QTest::newRow("ascii") << u"Hello, World! ~{}"_s;
    QTest::newRow("marker characters") << u"0123456789defghijklmnopqrstuvwxyz"_s;
    QTest::newRow("japanese, not carried") << u"あいう漢字ｱ"_s;
    QTest::newRow("empty") << QString();
}

void TestPasswordScrambler::outputUsesOnlyStorableCodes() {
    QFETCH(QString, password);
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        const QString scrambled = encryptPassword(password, seed);
        for (const QChar character : scrambled) {
            const int code = character.unicode();
            QVERIFY2((code >= 30 && code <= 59) || (code >= 70 && code <= 125),
                     qPrintable(u"code %1 with seed %2"_s.arg(code).arg(seed)));
        }
    }
}

void TestPasswordScrambler::eachScramblingDiffers() {
    const QString first = encryptPassword(u"secret"_s);
    const QString second = encryptPassword(u"secret"_s);
    QVERIFY(first != second);
    QCOMPARE(decryptPassword(first), std::optional<QString>(u"secret"_s));
    QCOMPARE(decryptPassword(second), std::optional<QString>(u"secret"_s));
}

void TestPasswordScrambler::sameSeedGivesSameText() {
    QCOMPARE(encryptPassword(u"secret"_s, 99), encryptPassword(u"secret"_s, 99));
    QVERIFY(encryptPassword(u"secret"_s, 99) != encryptPassword(u"secret"_s, 100));
}

void TestPasswordScrambler::pairForOneCharacter_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("firstLowest");
    QTest::addColumn<int>("firstHighest");
    QTest::addColumn<int>("firstDigit"); // -1: any units digit (a marker)
    QTest::addColumn<int>("secondDigit");
    QTest::newRow("A (065): carriers of 6 and 5") << u"A"_s << 70 << 109 << 6 << 5;
    QTest::newRow("x (120): marker 30-39, carrier of 0") << u"x"_s << 30 << 39 << -1 << 0;
    QTest::newRow("7 (055): marker 110-119, carrier of 5") << u"7"_s << 110 << 119 << -1 << 5;
    QTest::newRow("i (105): marker 50-59, carrier of 5") << u"i"_s << 50 << 59 << -1 << 5;
    QTest::newRow("s (115): marker 40-49, carrier of 5") << u"s"_s << 40 << 49 << -1 << 5;
    QTest::newRow("\\x81 (129): marker 30-39, carrier of 9") << u"\u0081"_s << 30 << 39 << -1 << 9;
    QTest::newRow("tab (009): carriers of 0 and 9") << u"\t"_s << 70 << 109 << 0 << 9;
}

void TestPasswordScrambler::pairForOneCharacter() {
    QFETCH(QString, password);
    QFETCH(int, firstLowest);
    QFETCH(int, firstHighest);
    QFETCH(int, firstDigit);
    QFETCH(int, secondDigit);
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        const QString scrambled = encryptPassword(password, seed);
        const int first = codeAt(scrambled, 0);
        const int second = codeAt(scrambled, 1);
        QVERIFY2(first >= firstLowest && first <= firstHighest, qPrintable(QString::number(first)));
        if (firstDigit >= 0)
            QCOMPARE(first % 10, firstDigit);
        QVERIFY2(isCarrier(second), qPrintable(QString::number(second)));
        QCOMPARE(second % 10, secondDigit);
    }
}

void TestPasswordScrambler::randomChoicesCoverTheirRanges() {
    // Over many scramblings: a carrier of 6 takes each of 76, 86, 96, 106; a marker for "12" each
    // of 30..39; the end marker each of 120..125; filler each digit.
    QSet<int> carriers, markers, endMarkers, fillerDigits;
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
        const QString scrambled = encryptPassword(u"Ax"_s, seed);
        carriers.insert(codeAt(scrambled, 0));
        markers.insert(codeAt(scrambled, 2));
        endMarkers.insert(codeAt(scrambled, 4));
        for (qsizetype i = 5; i < scrambled.size(); ++i)
            fillerDigits.insert(codeAt(scrambled, i) % 10);
    }
    QCOMPARE(carriers, (QSet<int>{76, 86, 96, 106}));
    QCOMPARE(markers, (QSet<int>{30, 31, 32, 33, 34, 35, 36, 37, 38, 39}));
    QCOMPARE(endMarkers, (QSet<int>{120, 121, 122, 123, 124, 125}));
    QCOMPARE(fillerDigits.size(), 10);
}

void TestPasswordScrambler::restoresTextsScrambledElsewhere_data() {
    QTest::addColumn<QString>("scrambled");
    QTest::addColumn<QString>("password");
    // a = 097, b = 098, c = 099: carriers chosen by hand, then end marker 123 and 11 fillers.
    QTest::newRow("abc") << fromCodes(
                                {79, 107, 99, 88, 89, 109, 123, 70, 81, 92, 103, 74, 85, 96, 107, 78, 89, 90})
                         << u"abc"_s;
    QTest::newRow("x, 7, i, s through markers")
        << fromCodes({35, 100, 113, 85, 50, 95, 49, 75, 120, 70, 70, 70, 70, 70, 70, 70, 70, 70})
        << u"x7is"_s;
    QTest::newRow("empty: end marker first")
        << fromCodes({125, 71, 82, 93, 104, 75, 86, 97, 108, 79, 70, 81, 92, 103, 74, 85, 96, 107})
        << QString();
    QTest::newRow("quote, comma and space carried")
        << fromCodes({73, 94, 74, 84, 73, 82, 121, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99}) << u"\", "_s;
    QTest::newRow("nine characters, no end marker")
        << fromCodes({76, 75, 86, 96, 106, 77, 96, 88, 76, 99, 87, 70, 97, 81, 107, 72, 77, 73})
        << u"ABCDEFGHI"_s;
    QTest::newRow("anything after the end marker is ignored") << fromCodes({76, 75, 122, 35}) << u"A"_s;
}

void TestPasswordScrambler::restoresTextsScrambledElsewhere() {
    QFETCH(QString, scrambled);
    QFETCH(QString, password);
    QCOMPARE(decryptPassword(scrambled), std::optional<QString>(password));
}

void TestPasswordScrambler::brokenTextsFail_data() {
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("one carrier alone") << fromCodes({79});
    QTest::newRow("odd length without end marker") << fromCodes({79, 107, 99});
    QTest::newRow("marker at the end") << fromCodes({79, 107, 35});
    QTest::newRow("lone 11 marker") << fromCodes({113});
}

void TestPasswordScrambler::brokenTextsFail() {
    QFETCH(QString, scrambled);
    QCOMPARE(decryptPassword(scrambled), std::nullopt);
}

void TestPasswordScrambler::uncarriedCharactersComeBackChanged_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("restored");
    // Only the second and third characters of the three-digit form travel.
    QTest::newRow("あ (0x82A0 = -32096)") << u"あ"_s << u" "_s;
    QTest::newRow("half-width ｱ (177)") << u"ｱ"_s << u"M"_s;
    QTest::newRow("outside CP932 becomes ? (063)") << u"\u00FF"_s << u"?"_s;
}

void TestPasswordScrambler::uncarriedCharactersComeBackChanged() {
    QFETCH(QString, password);
    QFETCH(QString, restored);
    QCOMPARE(decryptPassword(encryptPassword(password, 5)), std::optional<QString>(restored));
}

void TestPasswordScrambler::survivesScrambling_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("survives");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("ascii") << u"Pa55 w0rd!~"_s << true;
    QTest::newRow("control characters") << u"\t\u001A\u001C\u007F"_s << true;
    QTest::newRow("codes 128 and 129") << u"\u0080\u0081"_s << true;
    QTest::newRow("e acute") << u"caf\u00E9"_s << false;
    QTest::newRow("hiragana") << u"あ"_s << false;
    QTest::newRow("half-width katakana") << u"ｱ"_s << false;
    QTest::newRow("yen sign") << u"\u00A5"_s << false;
    QTest::newRow("emoji") << u"a\U0001F600"_s << false;
}

void TestPasswordScrambler::survivesScrambling() {
    QFETCH(QString, password);
    QFETCH(bool, survives);
    QCOMPARE(passwordSurvivesScrambling(password), survives);
    if (survives)
        QCOMPARE(decryptPassword(encryptPassword(password)), std::optional<QString>(password));
}

QTEST_GUILESS_MAIN(TestPasswordScrambler)
#include "tst_passwordscrambler.moc"
