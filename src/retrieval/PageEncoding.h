#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// The encodings a page is decoded from: every encoding of the web's Encoding Standard, and UTF-16
// with its byte order left to a BOM (big-endian without one). The three that browsers refuse to
// decode (ISO-2022-KR, ISO-2022-CN, HZ-GB-2312) are decoded for real: the sign runs no script, so
// reading them is safe, and the user gets the text.
enum class PageEncoding {
    Utf8,
    Ibm866,
    Iso8859_2,
    Iso8859_3,
    Iso8859_4,
    Iso8859_5,
    Iso8859_6,
    Iso8859_7,
    Iso8859_8,
    Iso8859_8I,
    Iso8859_10,
    Iso8859_13,
    Iso8859_14,
    Iso8859_15,
    Iso8859_16,
    Koi8R,
    Koi8U,
    Macintosh,
    Windows874,
    Windows1250,
    Windows1251,
    Windows1252,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    XMacCyrillic,
    Gbk,
    Gb18030,
    Big5,
    EucJp,
    Iso2022Jp,
    ShiftJis,
    EucKr,
    Iso2022Kr,
    Iso2022Cn,
    HzGb2312,
    Utf16BE,
    Utf16LE,
    Utf16,
    XUserDefined,
};

// Maps a label (any case; surrounding white space and quotes allowed) to its encoding: every label
// of the Encoding Standard (so ISO-8859-1 and US-ASCII mean windows-1252, as browsers read them),
// and the older Japanese labels servers still send ("x-sjis", "cp932", "ujis", "jis"). Shift_JIS
// labels mean CP932, so the NEC and IBM extensions decode. nullopt for any other label.
std::optional<PageEncoding> encodingFromLabel(QByteArrayView label);

// The name the standard gives the encoding ("Shift_JIS", "EUC-JP", "windows-1252", "GBK"), and
// "UTF-16" for the one whose BOM decides.
QString pageEncodingName(PageEncoding encoding);

bool isUtf16(PageEncoding encoding);
bool isJapanese(PageEncoding encoding);

// Decodes bytes in the encoding, invalid sequences becoming replacement characters. nullopt when the
// converter cannot be opened.
std::optional<QString> decodeIn(PageEncoding encoding, QByteArrayView bytes);
