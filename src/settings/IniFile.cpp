#include "settings/IniFile.h"

#include "base/AnsiText.h"
#include "base/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Only spaces and tabs: a leading ideographic space in a Japanese value is part of the value.
QStringView trimBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isQuoted(QStringView text) {
    return text.size() >= 2 && text.front() == text.back() && (text.front() == u'"' || text.front() == u'\'');
}

bool isComment(QStringView line) {
    return trimBlanks(line).startsWith(u';');
}

std::optional<QStringView> sectionNameOf(QStringView line) {
    const QStringView trimmed = trimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return trimBlanks(close < 0 ? trimmed.sliced(1) : trimmed.sliced(1, close - 1));
}

std::optional<QStringView> keyNameOf(QStringView line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0 || isComment(line))
        return std::nullopt;
    return trimBlanks(line.first(equals));
}

QString valueOf(QStringView line) {
    QStringView value = trimBlanks(line.sliced(line.indexOf(u'=') + 1));
    if (isQuoted(value))
        value = value.sliced(1, value.size() - 2);
    return value.toString();
}

// A line break would split the value into a stray line; values that the reader would trim or
// unquote are quoted so that they come back as written.
QString encodeValue(const QString& value) {
    QString text = value;
    text.replace(u"\r\n"_s, u" "_s).replace(u'\r', u' ').replace(u'\n', u' ');
    if (trimBlanks(text).size() != text.size() || isQuoted(text))
        return u'"' + text + u'"';
    return text;
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<IniFile> IniFile::load(const QString& path) {
    QFile file(path);
    if (!QFileInfo::exists(path))
        return IniFile();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromText(decodeAnsiText(file.readAll()));
}

IniFile IniFile::fromText(const QString& text) {
    IniFile ini;
    if (text.isEmpty())
        return ini;
    ini.m_lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        ini.m_lines.removeLast();
    for (QString& line : ini.m_lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return ini;
}

IniFile::Range IniFile::findSection(QStringView section) const {
    Range range;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const std::optional<QStringView> name = sectionNameOf(m_lines[i]);
        if (!name)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(*name, section))
            range.header = i;
    }
    range.end = m_lines.size();
    return range;
}

qsizetype IniFile::findKey(const Range& range, QStringView key) const {
    for (qsizetype i = range.header + 1; range.header >= 0 && i < range.end; ++i) {
        const std::optional<QStringView> name = keyNameOf(m_lines[i]);
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const {
    const qsizetype line = findKey(findSection(section), key);
    if (line < 0)
        return std::nullopt;
    return valueOf(m_lines[line]);
}

void IniFile::setValue(QStringView section, QStringView key, const QString& value) {
    const QString line = key.toString() + u'=' + encodeValue(value);
    const Range range = findSection(section);
    const qsizetype existing = findKey(range, key);
    if (existing >= 0) {
        m_lines[existing] = line;
        return;
    }
    if (range.header < 0) {
        // A blank line keeps the new section apart from the text before it.
        if (!m_lines.isEmpty() && !trimBlanks(m_lines.last()).isEmpty())
            m_lines.append(QString());
        m_lines.append(u"[%1]"_s.arg(section));
        m_lines.append(line);
        return;
    }
    // After the section's last non-blank line, so blank lines before the next section stay there.
    qsizetype after = range.end - 1;
    while (after > range.header && trimBlanks(m_lines[after]).isEmpty())
        --after;
    m_lines.insert(after + 1, line);
}

QString IniFile::toText() const {
    QString text;
    for (const QString& line : m_lines)
        text += line + u"\r\n"_s;
    return text;
}

bool IniFile::save(const QString& path) const {
    // Only where the folder does not let us create the temporary file do we write in place.
    return writeFileAtomically(path, encodeAnsiText(toText()), true);
}
