#include "display/DisplayTexts.h"

#include "display/BrowseUrl.h"

#include <QCoreApplication>
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
    return trayTip(QCoreApplication::translate("DisplayTexts", "更新中"));
}

QString notDownloaded() {
    return QCoreApplication::translate("DisplayTexts", "ダウンロードしていません");
}

QString notUpdated() {
    return QCoreApplication::translate("DisplayTexts", "未更新");
}

QString noEnabledPage() {
    return QCoreApplication::translate(
        "DisplayTexts",
        "取得するページがありません。右クリックして「更新の設定」からページを追加してください。");
}

QString showNewsCaption(int count) {
    return QCoreApplication::translate("DisplayTexts", "情報を表示(全%1件)").arg(count);
}

QString updatingUrl(const QString& url) {
    return QCoreApplication::translate("DisplayTexts", "%1 を更新中").arg(url);
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
    return QCoreApplication::translate("DisplayTexts", "バージョン %1")
        .arg(versionNumber(SORVANTA_VERSION_MAJOR, SORVANTA_VERSION_MINOR, SORVANTA_VERSION_REVISION));
}

QString aboutCaption() {
    return QCoreApplication::translate("DisplayTexts", "%1 のバージョン情報").arg(programTitle());
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
