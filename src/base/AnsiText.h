#pragma once

#include <QByteArray>
#include <QString>

// Settings and data files come in CP932 or UTF-8. We read a UTF-8 BOM or valid UTF-8 as UTF-8 and
// anything else as CP932, so CP932 files with CR LF line ends load unchanged; we write UTF-8.
QString decodeAnsiText(const QByteArray& bytes);
QByteArray encodeAnsiText(const QString& text);

// CP932 conversion. encodeCp932 sets *lossless to false when a character has no CP932 code.
QString decodeCp932(const QByteArray& bytes);
QByteArray encodeCp932(const QString& text, bool* lossless = nullptr);
