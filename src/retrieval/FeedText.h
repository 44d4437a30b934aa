#pragma once

#include <QString>
#include <QStringView>

// How the texts of a feed become one line of an item.

// Runs of white space (no-break spaces and control characters included) made one space, none at
// either end.
QString collapseWhiteSpace(QStringView raw);

// The text of an HTML fragment: a line break, paragraph, list item, table cell or other block
// boundary becomes a space, other tags are dropped, character references decoded; white space
// collapsed.
QString htmlText(QString html);

// Whether a title that should be plain text holds markup anyway: a closing tag or a line break.
bool looksLikeHtml(const QString& text);

// The text cut to its first ExcerptLength characters, an ellipsis ending a cut one: an entry
// without a title is shown by the start of its text.
inline constexpr qsizetype ExcerptLength = 120;
QString excerpt(const QString& text);
