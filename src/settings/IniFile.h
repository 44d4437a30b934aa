#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A private-profile INI file held as its lines, so that everything we do not touch (other
// sections, comments, unknown lines) is written back unchanged.
//
// Reading rules: section and key names compare without case; spaces and tabs around names and
// values are ignored; a value enclosed in matching quotes (" or ') loses them; lines starting with
// ';' are comments. The first matching section and key win.
// Writing rules: a key is replaced in place or added after the last line of its section; a missing
// section is added at the end of the file. Lines are written with CR LF.
class IniFile {
public:
    // A missing file is an empty one; an existing file that cannot be read gives std::nullopt, so
    // that callers never overwrite what they could not read.
    static std::optional<IniFile> load(const QString& path);
    static IniFile fromText(const QString& text);

    // std::nullopt when the section or the key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;
    void setValue(QStringView section, QStringView key, const QString& value);

    QString toText() const;
    // Writes UTF-8 text through a temporary file renamed over the old one, so a crash never leaves
    // a truncated file; false when it could not be written.
    bool save(const QString& path) const;

private:
    struct Range {
        qsizetype header = -1; // -1: the section does not exist
        qsizetype end = 0;     // one past the section's last line
    };
    Range findSection(QStringView section) const;
    qsizetype findKey(const Range& range, QStringView key) const;

    QStringList m_lines;
};
