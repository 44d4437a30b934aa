#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"

#include <QString>

// The texts the main window, its menu, the tray icon, the taskbar entry and the about box show.
namespace DisplayTexts {

QString ProgramTitle(); // "Sorvanta"
// The title and the short version, "Sorvanta 2.52"; a major version 0 is left out.
QString TitleLine(int major, int minor);
QString TitleLine();
// Tray tip: the title line, CR LF, status.
QString TrayTip(const QString& status);
QString UpdatingTip(); // the tray tip while an update runs

QString NotDownloaded();                 // menu caption before the first update
QString NotUpdated();                    // status of stale items
QString ShowNewsCaption(int count);      // "情報を表示(全" N "件)"
QString UpdatingUrl(const QString& url); // tooltip and taskbar caption while a page downloads

// Tooltip of the scrolling message: "(k/n) [page name] text" for extracted, whole-page and feed
// items, a feed item's link on a line of its own below; the text alone for the default message.
QString ItemToolTip(const InfoItem& item, int current, int count, const QList<PageRecord>& pages);
// Taskbar caption while the item scrolls: its text, after the page's label when showTitle.
QString ScrollCaption(const InfoItem& item, const QList<PageRecord>& pages, bool showTitle);

// "2.52.0412": major, minor in two digits, revision in four.
QString VersionNumber(int major, int minor, int revision);
QString AboutVersion(); // "バージョン " and the program's version number
QString AboutCaption(); // "Sorvanta のバージョン情報"
// The text-conversion library and its version, shown in the about box.
QString ConverterVersion();

} // namespace DisplayTexts
