#include "settings/PasswordScrambler.h"

#include "base/AnsiText.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int StoredLength = 18;
constexpr int HighestCarriedCode = 129;
// Code 128 is the byte 0x80, which CP932 decoding turns into U+0080. Code 129 is the byte 0x81,
// a lead byte that is no character on its own; U+0081 stands for it so that it round-trips too.
constexpr char16_t Code128 = 0x80;
constexpr char16_t Code129 = 0x81;

// The character's code in CP932 as the stored texts count it: single bytes as 0..255, a
// double-byte character as its two bytes read as a signed 16-bit number. Bytes 0x00..0x7F are
// ASCII there (ICU's table swaps a few control codes, so ASCII does not go through it).
int characterCode(QChar character) {
    const char16_t unit = character.unicode();
    if (unit < 0x80)
        return unit;
    if (unit == Code128)
        return 128;
    if (unit == Code129)
        return 129;
    bool lossless = false;
    const QByteArray bytes = encodeCp932(QString(character), &lossless);
    if (!lossless || bytes.isEmpty() || bytes.size() > 2)
        return '?'; // the substitute for a character outside the code page
    if (bytes.size() == 1)
        return static_cast<unsigned char>(bytes.at(0));
    const auto word = static_cast<std::uint16_t>((static_cast<unsigned char>(bytes.at(0)) << 8) |
                                                 static_cast<unsigned char>(bytes.at(1)));
    return static_cast<std::int16_t>(word);
}

// Only codes 0..129 come out of the decoder.
QChar characterForCode(int code) {
    Q_ASSERT(code >= 0 && code <= HighestCarriedCode);
    return QChar(static_cast<char16_t>(code));
}

// "065" for 65, "126" for 126; a negative code keeps its sign in front: "-33088".
QString threeDigitForm(int code) {
    const QString digits = QString::number(std::abs(code)).rightJustified(3, u'0');
    return code < 0 ? u'-' + digits : digits;
}

int lastDigit(int code) {
    return std::abs(code) % 10;
}

int digitAt(const QString& form, int index) {
    return form.at(index).digitValue();
}

class Scrambler {
public:
    explicit Scrambler(std::uint32_t seed)
        : m_random(seed) {}

    QString scramble(const QString& password) {
        QString result;
        for (const QChar character : password)
            appendPair(result, threeDigitForm(characterCode(character)));
        if (result.size() < StoredLength) {
            result += QChar(static_cast<char16_t>(120 + draw(0, 5)));
            while (result.size() < StoredLength)
                result += carrier(draw(0, 9));
        }
        return result;
    }

private:
    void appendPair(QString& result, const QString& form) {
        const int tens = markerTens(form.left(2));
        if (tens > 0) {
            result += QChar(static_cast<char16_t>(tens * 10 + draw(0, 9)));
            result += carrier(digitAt(form, 2));
        } else {
            result += carrier(digitAt(form, 1));
            result += carrier(digitAt(form, 2));
        }
    }

    // Codes 50..59 and 100..129 do not fit in two carriers; a marker stands for their first two
    // digits instead.
    static int markerTens(const QString& prefix) {
        if (prefix == u"05"_s)
            return 11;
        if (prefix == u"10"_s)
            return 5;
        if (prefix == u"11"_s)
            return 4;
        if (prefix == u"12"_s)
            return 3;
        return 0;
    }

    QChar carrier(int digit) { return QChar(static_cast<char16_t>(10 * draw(7, 10) + digit)); }

    int draw(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(m_random);
    }

    std::mt19937 m_random;
};

std::uint32_t seedFromClock() {
    // The counter keeps two scramblings within one clock tick apart.
    static std::atomic<std::uint32_t> calls{0};
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::seed_seq sequence{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                           calls.fetch_add(1)};
    std::uint32_t seed = 0;
    sequence.generate(&seed, &seed + 1);
    return seed;
}

// The code restored from a pair whose first character is not the end marker.
int restoredCode(int first, int second) {
    const QString prefix = threeDigitForm(first).left(2);
    const int digit = lastDigit(second);
    if (prefix == u"11"_s)
        return 50 + digit;
    if (prefix == u"05"_s)
        return 100 + digit;
    if (prefix == u"04"_s)
        return 110 + digit;
    if (prefix == u"03"_s)
        return 120 + digit;
    return lastDigit(first) * 10 + digit;
}

} // namespace

QString encryptPassword(const QString& password, std::optional<std::uint32_t> seed) {
    return Scrambler(seed.value_or(seedFromClock())).scramble(password);
}

std::optional<QString> decryptPassword(const QString& scrambled) {
    QString result;
    for (qsizetype position = 0; position < scrambled.size(); position += 2) {
        const int first = characterCode(scrambled.at(position));
        if (threeDigitForm(first).startsWith(u"12"_s))
            break;
        if (position + 1 >= scrambled.size())
            return std::nullopt; // the text breaks off inside a pair
        result += characterForCode(restoredCode(first, characterCode(scrambled.at(position + 1))));
    }
    return result;
}

bool passwordSurvivesScrambling(const QString& password) {
    return std::all_of(password.cbegin(), password.cend(), [](QChar character) {
        const int code = characterCode(character);
        return code >= 0 && code <= HighestCarriedCode && characterForCode(code) == character;
    });
}

QString passwordNotCarriedMessage() {
    return QCoreApplication::translate(
        "PasswordScrambler",
        "このパスワードには保存できない文字が含まれています。\r\n半角の英数字と記号だけで入力してください。");
}
