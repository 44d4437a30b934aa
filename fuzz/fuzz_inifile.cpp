// The INI reader and writer: any file loads, and one with more than BOMs never as an empty text; written
// text loads as the same lines; a written value reads back (line breaks as spaces) and no other key changes,
// also after a save and a load. Input: the file's bytes, then (UTF-8) a section, a key and a value to write,
// and a section and a key to look up before and after.
#include "FuzzInput.h"
#include "base/AnsiText.h"
#include "settings/IniFile.h"

using namespace Qt::StringLiterals;

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isTrimmedName(const QString& name) {
    return !name.isEmpty() && !isBlank(name.front()) && !isBlank(name.back()) && !name.contains(u'\r') &&
           !name.contains(u'\n');
}

// Names the program can write: its own section and keys are such names. A section name holds no
// "]"; a key holds no "=" and starts with neither ";" (a comment) nor "[" (a section).
bool isWritableSection(const QString& name) {
    return isTrimmedName(name) && !name.contains(u']');
}

bool isWritableKey(const QString& name) {
    return isTrimmedName(name) && !name.contains(u'=') && !name.startsWith(u';') && !name.startsWith(u'[');
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString withoutLineBreaks(QString value) {
    return value.replace(u"\r\n"_s, u" "_s).replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = splitFuzzInput(data, size, 6);
    const QString fileText = decodeAnsiText(parts.at(0));
    FUZZ_CHECK(!fileText.isEmpty() || QByteArray(parts.at(0)).replace("\xEF\xBB\xBF", "").isEmpty());
    IniFile ini = IniFile::fromText(fileText);
    const QString section = QString::fromUtf8(parts.at(1));
    const QString key = QString::fromUtf8(parts.at(2));
    const QString value = QString::fromUtf8(parts.at(3));
    const QString otherSection = QString::fromUtf8(parts.at(4));
    const QString otherKey = QString::fromUtf8(parts.at(5));

    const QString text = ini.toText();
    FUZZ_CHECK(IniFile::fromText(text).toText() == text);
    const std::optional<QString> otherBefore = ini.value(otherSection, otherKey);
    ini.value(section, key);
    if (!isWritableSection(section) || !isWritableKey(key))
        return 0;

    ini.setValue(section, key, value);
    // A text that starts with U+FEFF (a file that began with three BOMs) is saved with the bytes of
    // a BOM, which loading drops: only such a text does not come back whole.
    const QString written = ini.toText();
    const IniFile saved =
        written.startsWith(QChar(0xFEFF)) ? ini : IniFile::fromText(decodeAnsiText(encodeAnsiText(written)));
    FUZZ_CHECK(saved.toText() == written);
    FUZZ_CHECK(saved.value(section, key) == withoutLineBreaks(value));
    if (!sameName(section, otherSection) || !sameName(key, otherKey))
        FUZZ_CHECK(saved.value(otherSection, otherKey) == otherBefore);
    return 0;
}
