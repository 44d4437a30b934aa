#include "display/BrowseUrl.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The text after the last "." of the path, or the whole path when there is none; a "." in a
// folder name therefore gives an "extension" holding a "/", which matches nothing.
QString extensionOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? path : path.mid(dot + 1);
}

// scheme://host/ : the path up to the first "/" from three characters after the first ":";
// "" when there is none.
QString siteRoot(const QString& path) {
    const qsizetype slash = path.indexOf(u'/', path.indexOf(u':') + 3);
    return slash < 0 ? QString() : path.left(slash + 1);
}

} // namespace

QString itemAddress(const InfoItem& item, const QList<PageRecord>& pages) {
    if (!item.link.isEmpty() || item.page == 0)
        return item.link;
    const QString page = numberedRecord(pages, item.page).URL.trimmed();
    return isBrowsableUrl(page) ? page : QString();
}

bool isBrowsableUrl(const QString& url) {
    const QUrl parsed(url);
    const QString scheme = parsed.scheme();
    return parsed.isValid() && (scheme == u"http"_s || scheme == u"https"_s) && !parsed.host().isEmpty();
}

QString checkBrowseUrl(const QString& url, const QString& nonHtmlExtensions, const BrowseQuestion& ask) {
    if (!isBrowsableUrl(url))
        return QString();
    const QString path = url.left(url.indexOf(u'?'));
    if (!nonHtmlExtensions.split(u',').contains(extensionOf(path)))
        return url;
    if (!ask) // no one to ask: open nothing rather than guess
        return QString();
    switch (ask(QCoreApplication::translate("BrowseUrl", "ブラウザで開く"),
                QCoreApplication::translate("BrowseUrl",
                                            "このURLはHTMLでない可能性のあるファイルを参照しています。\r\n"
                                            "代替URLを開きますか?"))) {
    case BrowseAnswer::Yes:
        return siteRoot(path);
    case BrowseAnswer::No:
        return url;
    case BrowseAnswer::Cancel:
        break;
    }
    return QString();
}
