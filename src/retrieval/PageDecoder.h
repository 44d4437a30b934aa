#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The encodings a page is decoded from. Utf16 means "the BOM decides, big-endian without one".
enum class PageEncoding { ShiftJis, EucJp, Iso2022Jp, Utf8, Utf16LE, Utf16BE, Utf16 };

// Maps a charset label (any case, surrounding spaces and quotes allowed) to the encoding it names.
// Shift_JIS labels mean CP932, so the NEC and IBM extensions decode. Labels of other charsets
// (ISO-8859-1, which old servers send by default, among them) give nullopt: such pages go on to
// the next source of the encoding.
std::optional<PageEncoding> EncodingFromLabel(QByteArrayView label);

// The charset parameter of a Content-Type header value, when it names a known encoding.
std::optional<PageEncoding> EncodingFromContentType(QByteArrayView contentType);

// The charset of the first <meta charset=...> or <meta http-equiv=... content="...charset=...">
// within the first MetaScanBytes bytes. A meta naming UTF-16 means UTF-8: the tag itself was
// readable as ASCII.
inline constexpr qsizetype MetaScanBytes = 8192;
std::optional<PageEncoding> EncodingFromMeta(QByteArrayView page);

// The encoding named by an XML declaration ("<?xml ... encoding=...?>") at the start of the page,
// white space allowed before it. UTF-16 means UTF-8, as for a meta.
std::optional<PageEncoding> EncodingFromXmlDeclaration(QByteArrayView page);

// The encoding announced by a UTF-8, UTF-16LE or UTF-16BE byte order mark.
std::optional<PageEncoding> EncodingFromBom(QByteArrayView page);

// Guesses among ISO-2022-JP (escape sequences), UTF-8 (strictly valid, plain ASCII included),
// EUC-JP and Shift_JIS (byte patterns, Shift_JIS on a tie).
PageEncoding DetectEncoding(QByteArrayView bytes);

// The header's charset wins, then the meta, then the XML declaration, then a BOM, then detection.
PageEncoding ChoosePageEncoding(QByteArrayView bytes, QByteArrayView contentType);

// Decodes a page to Unicode. An 8-bit page ends at its first NUL byte; a UTF-16 page at its first
// U+0000. A leading BOM is dropped. nullopt when the converter fails.
std::optional<QString> DecodePageBytes(const QByteArray& bytes, const QByteArray& contentType = {});
// The same in an encoding already chosen.
std::optional<QString> DecodePageBytesAs(const QByteArray& bytes, PageEncoding encoding);

// The name users know the encoding by: "Shift_JIS" (read as CP932), "EUC-JP", "ISO-2022-JP",
// "UTF-8", "UTF-16LE", "UTF-16BE" or "UTF-16".
QString PageEncodingName(PageEncoding encoding);
