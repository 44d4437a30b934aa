#include "settings/Autostart.h"

#include "base/AppFolders.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString EntryGroup = u"Desktop Entry"_s;

// Characters that oblige an Exec argument to be quoted.
bool isReserved(QChar c) {
    return u" \t\n\"'\\><~|&;$*?#()`"_s.contains(c);
}

QString quoteArgument(const QString& argument) {
    if (std::ranges::none_of(argument, isReserved))
        return argument;
    QString quoted = u"\""_s;
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}

// The escapes of every string value, applied after the quoting of the argument.
QString escapeStringValue(QString value) {
    return value.replace(u'\\', u"\\\\"_s)
        .replace(u'\n', u"\\n"_s)
        .replace(u'\t', u"\\t"_s)
        .replace(u'\r', u"\\r"_s);
}

} // namespace

QString autorunEntryPath() {
    return AppFolders::defaultAppDataFolder() + u"/autostart/kwSorvanta.desktop"_s;
}

QString autorunExecValue(const QString& programPath) {
    return escapeStringValue(quoteArgument(programPath).replace(u'%', u"%%"_s));
}

void readAutorunState(AppSettings& settings) {
    const std::optional<IniFile> entry = IniFile::load(autorunEntryPath());
    if (!entry) {
        settings.AutoRun = false;
        return;
    }
    const bool hasExec = !entry->value(EntryGroup, u"Exec").value_or(QString()).isEmpty();
    const bool hidden = entry->value(EntryGroup, u"Hidden") == u"true"_s;
    settings.AutoRun = hasExec && !hidden;
}

void registerAutorun(const QString& programPath) {
    const QString path = autorunEntryPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    // The desktop reads it, whatever the umask.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    const QString text = u"[Desktop Entry]\nType=Application\nName=Sorvanta\nExec="_s +
                         autorunExecValue(programPath) + u"\n"_s;
    file.write(text.toUtf8());
    file.commit();
}

void unregisterAutorun() {
    QFile::remove(autorunEntryPath());
}
