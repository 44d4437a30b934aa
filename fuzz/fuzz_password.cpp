// Password scrambling: any stored text restores without fault to characters of codes 0..129; a
// password that survives scrambling is stored as 18 characters (twice its length past 8) of codes
// 30..59 and 70..125 and restores unchanged; any other password still scrambles and restores to
// as many characters.
// Input: the text (UTF-8), restored as a stored text and scrambled as a password; then four bytes
// of random seed.
#include "FuzzInput.h"
#include "settings/PasswordScrambler.h"

#include <algorithm>

namespace {

bool isStorable(QChar c) {
    return (c.unicode() >= 30 && c.unicode() <= 59) || (c.unicode() >= 70 && c.unicode() <= 125);
}

bool isCarried(QChar c) {
    return c.unicode() <= 129;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = splitFuzzInput(data, size, 2);
    const QString text = QString::fromUtf8(parts.at(0));

    const std::optional<QString> restored = decryptPassword(text);
    if (restored)
        FUZZ_CHECK(std::all_of(restored->cbegin(), restored->cend(), isCarried));

    const QString scrambled = encryptPassword(text, fuzzNumber(parts.at(1), 1));
    FUZZ_CHECK(scrambled.size() == std::max<qsizetype>(18, 2 * text.size()));
    FUZZ_CHECK(std::all_of(scrambled.cbegin(), scrambled.cend(), isStorable));
    const std::optional<QString> back = decryptPassword(scrambled);
    FUZZ_CHECK(back && back->size() == text.size());
    if (passwordSurvivesScrambling(text))
        FUZZ_CHECK(*back == text);
    return 0;
}
