#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"

#include <QString>

// The texts the main window, its menu, the tray icon, the taskbar entry and the about box show.
namespace DisplayTexts {

QString programTitle(); // "Sorvanta"
// The title and the short version, "Sorvanta 2.52"; a major version 0 is left out.
QString titleLine(int major, int minor);
QString titleLine();
// Tray tip: the title line, CR LF, status.
QString trayTip(const QString& status);
QString updatingTip(); // the tray tip while an update runs

QString notDownloaded();                 // menu caption before the first update
QString noEnabledPage();                 // the line an update shows when no page is enabled
QString notUpdated();                    // status of stale items
QString showNewsCaption(int count);      // "情報を表示(全" N "件)"
QString updatingUrl(const QString& url); // tooltip and taskbar caption while a page downloads

// Tooltip of the scrolling message: "(k/n) [page name] text" for extracted, whole-page and feed
// items, a feed item's link on a line of its own below; the text alone for the default message.
QString itemToolTip(const InfoItem& item, int current, int count, const QList<PageRecord>& pages);
// Taskbar caption while the item scrolls: its text, after the page's label when showTitle.
QString scrollCaption(const InfoItem& item, const QList<PageRecord>& pages, bool showTitle);

// "2.52.0412": major, minor in two digits, revision in four.
QString versionNumber(int major, int minor, int revision);
QString aboutVersion(); // "バージョン " and the program's version number
QString aboutCaption(); // "Sorvanta のバージョン情報"
// The text-conversion library and its version, shown in the about box.
QString converterVersion();

} // namespace DisplayTexts
