#include "display/DisplayTexts.h"

#include <unicode/uversion.h>

using namespace Qt::StringLiterals;

namespace DisplayTexts {

QString ProgramTitle() {
    return u"Sorvanta"_s;
}

QString TitleLine(int major, int minor) {
    const QString majorText = major == 0 ? QString() : QString::number(major);
    return ProgramTitle() + u' ' + majorText + u'.' + QString::number(minor);
}

QString TitleLine() {
    return TitleLine(SORVANTA_VERSION_MAJOR, SORVANTA_VERSION_MINOR);
}

QString TrayTip(const QString& status) {
    return TitleLine() + u"\r\n"_s + status;
}

QString UpdatingTip() {
    return TrayTip(u"更新中"_s);
}

QString NotDownloaded() {
    return u"ダウンロードしていません"_s;
}

QString NotUpdated() {
    return u"未更新"_s;
}

QString ShowNewsCaption(int count) {
    return u"情報を表示(全"_s + QString::number(count) + u"件)"_s;
}

QString UpdatingUrl(const QString& url) {
    return url + u" を更新中"_s;
}

QString ItemToolTip(const InfoItem& item, int current, int count, const QList<PageRecord>& pages) {
    if (item.page == 0)
        return item.text;
    const QString tip = u"("_s + QString::number(current) + u'/' + QString::number(count) + u") ["_s +
                        NumberedRecord(pages, item.page).Name + u"] "_s + item.text;
    return item.link.isEmpty() ? tip : tip + u'\n' + item.link;
}

QString ScrollCaption(const InfoItem& item, const QList<PageRecord>& pages, bool showTitle) {
    if (!showTitle)
        return item.text;
    return NumberedRecord(pages, item.page).Label + item.text;
}

QString VersionNumber(int major, int minor, int revision) {
    const QChar zero = u'0';
    return u"%1.%2.%3"_s.arg(major).arg(minor, 2, 10, zero).arg(revision, 4, 10, zero);
}

QString AboutVersion() {
    return u"バージョン "_s +
           VersionNumber(SORVANTA_VERSION_MAJOR, SORVANTA_VERSION_MINOR, SORVANTA_VERSION_REVISION);
}

QString AboutCaption() {
    return ProgramTitle() + u" のバージョン情報"_s;
}

QString ConverterVersion() {
    // The library actually loaded, which may be newer than the headers built against.
    UVersionInfo version;
    u_getVersion(version);
    char text[U_MAX_VERSION_STRING_LENGTH] = {};
    u_versionToString(version, text);
    return u"ICU "_s + QString::fromLatin1(text);
}

} // namespace DisplayTexts
