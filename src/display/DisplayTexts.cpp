#include "display/DisplayTexts.h"

#include "display/BrowseUrl.h"

#include <unicode/uversion.h>

using namespace Qt::StringLiterals;

namespace DisplayTexts {

QString programTitle() {
    return u"Sorvanta"_s;
}

QString titleLine(int major, int minor) {
    const QString majorText = major == 0 ? QString() : QString::number(major);
    return programTitle() + u' ' + majorText + u'.' + QString::number(minor);
}

QString titleLine() {
    return titleLine(SORVANTA_VERSION_MAJOR, SORVANTA_VERSION_MINOR);
}

QString trayTip(const QString& status) {
    return titleLine() + u"\r\n"_s + status;
}

QString updatingTip() {
    return trayTip(u"更新中"_s);
}

QString notDownloaded() {
    return u"ダウンロードしていません"_s;
}

QString notUpdated() {
    return u"未更新"_s;
}

QString noEnabledPage() {
    return u"取得するページがありません。右クリックして「更新の設定」からページを追加してください。"_s;
}

QString showNewsCaption(int count) {
    return u"情報を表示(全"_s + QString::number(count) + u"件)"_s;
}

QString updatingUrl(const QString& url) {
    return url + u" を更新中"_s;
}

QString itemToolTip(const InfoItem& item, int current, int count, const QList<PageRecord>& pages) {
    if (item.page == 0)
        return item.text;
    const QString tip = u"("_s + QString::number(current) + u'/' + QString::number(count) + u") ["_s +
                        numberedRecord(pages, item.page).Name + u"] "_s + item.text;
    const QString address = itemAddress(item, pages);
    return address.isEmpty() ? tip : tip + u'\n' + address;
}

QString scrollCaption(const InfoItem& item, const QList<PageRecord>& pages, bool showTitle) {
    if (!showTitle)
        return item.text;
    return numberedRecord(pages, item.page).Label + item.text;
}

QString versionNumber(int major, int minor, int revision) {
    const QChar zero = u'0';
    return u"%1.%2.%3"_s.arg(major).arg(minor, 2, 10, zero).arg(revision, 4, 10, zero);
}

QString aboutVersion() {
    return u"バージョン "_s +
           versionNumber(SORVANTA_VERSION_MAJOR, SORVANTA_VERSION_MINOR, SORVANTA_VERSION_REVISION);
}

QString aboutCaption() {
    return programTitle() + u" のバージョン情報"_s;
}

QString converterVersion() {
    // The library actually loaded, which may be newer than the headers built against.
    UVersionInfo version;
    u_getVersion(version);
    char text[U_MAX_VERSION_STRING_LENGTH] = {};
    u_versionToString(version, text);
    return u"ICU "_s + QString::fromLatin1(text);
}

} // namespace DisplayTexts
