#pragma once

#include <QByteArray>
#include <QString>

// Encodes text with an ICU converter ("windows-31j", "EUC-JP", "ISO-2022-JP", "UTF-8",
// "UTF-16LE", ...), so tests build pages in any encoding from readable Unicode.
QByteArray encodeWithIcu(const QString& text, const char* converterName);

// UTF-16 with its byte-order mark, little- or big-endian.
QByteArray utf16WithBom(const QString& text, bool littleEndian);
