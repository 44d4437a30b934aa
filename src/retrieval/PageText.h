#pragma once

#include <QByteArray>
#include <QString>

// Turns a downloaded page into one line of Unicode text: charset from the Content-Type header,
// then <meta>, then a BOM, then detection (Shift_JIS/CP932, EUC-JP, ISO-2022-JP, UTF-8); half-width
// katakana widened; CR, LF and TAB deleted; space pairs removed in one pass; twelve character
// references decoded. An empty or undecodable page gives an empty text.
QString NormalisePageText(const QByteArray& bytes, const QByteArray& contentType = {});

// The visible text of a page: tags, comments, style and script blocks and the title dropped.
QString StripPageText(const QString& text);
