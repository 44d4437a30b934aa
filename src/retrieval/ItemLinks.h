#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QUrl>

// Where an item leads: links found in page text (normalised, so references are decoded and line
// breaks gone) and resolved to an address a browser may be given.
namespace ItemLinks {

// How far a tag is read past a limit, or looked for before a point: longer tags are not links.
inline constexpr qsizetype LongestTag = 4096;

// The href of the first <a> tag that starts in text before startsBefore, as written; "" when there is
// none. A tag is read to its end even past startsBefore, up to LongestTag characters. Tag and attribute names
// are matched without case; the value may be in double or single quotes or bare.
QString firstAnchorHref(QStringView text, qsizetype startsBefore);
// The href of every <a> tag, in page order.
QStringList anchorHrefs(QStringView text);
// The address the page's links are relative to: its <base href> resolved against where the page came
// from, else where it came from.
QUrl pageBase(const QString& pageUrl, QStringView pageText);
// link resolved against base; "" unless the result is an http or https address with a host.
QString resolved(const QString& link, const QUrl& base);

} // namespace ItemLinks
