#pragma once

#include "retrieval/PageEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The charset parameter of a Content-Type header value, when it names a known encoding.
std::optional<PageEncoding> encodingFromContentType(QByteArrayView contentType);

// The charset of the first <meta charset=...> or <meta http-equiv=... content="...charset=...">
// within the first MetaScanBytes bytes. A meta naming UTF-16 means UTF-8 (the tag itself was
// readable as ASCII), and one naming x-user-defined means windows-1252, as browsers read them.
inline constexpr qsizetype MetaScanBytes = 8192;
std::optional<PageEncoding> encodingFromMeta(QByteArrayView page);

// The encoding named by an XML declaration ("<?xml ... encoding=...?>") at the start of the page,
// white space allowed before it. UTF-16 means UTF-8, as for a meta.
std::optional<PageEncoding> encodingFromXmlDeclaration(QByteArrayView page);

// The encoding announced by a UTF-8, UTF-16LE or UTF-16BE byte order mark.
std::optional<PageEncoding> encodingFromBom(QByteArrayView page);

// Where the encoding a page was read in came from.
enum class EncodingSource { ByteOrderMark, Header, Meta, XmlDeclaration, Detected };

struct EncodingChoice {
    PageEncoding encoding = PageEncoding::ShiftJis;
    EncodingSource source = EncodingSource::Detected;

    bool operator==(const EncodingChoice&) const = default;
};

// A BOM wins; then the header's charset, then the meta, then the XML declaration, then detection
// (EncodingDetector.h). A header of windows-1252 (ISO-8859-1 and US-ASCII included) or UTF-8, which
// servers send for every page alike, gives way to a meta or declaration naming another encoding (UTF-8
// only if the bytes are UTF-8), and to bytes that are plainly Japanese (or UTF-8 for windows-1252);
// a UTF-8 header only when the bytes are no UTF-8. Any declared legacy encoding gives way to bytes
// that are UTF-8 beyond doubt.
EncodingChoice choosePageEncoding(QByteArrayView bytes, QByteArrayView contentType);

// Decodes a page to Unicode. The page ends at its first U+0000 (an 8-bit page's first NUL byte). A
// leading BOM is dropped. nullopt when the converter fails.
std::optional<QString> decodePageBytes(const QByteArray& bytes, const QByteArray& contentType = {});
// The same in an encoding already chosen.
std::optional<QString> decodePageBytesAs(const QByteArray& bytes, PageEncoding encoding);
// The same without the end at U+0000: a feed reads past it.
std::optional<QString> decodeWholePage(const QByteArray& bytes, PageEncoding encoding);
