#include "retrieval/PageDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unicode/ucnv.h>

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

struct LabelEntry {
    const char* label;
    PageEncoding encoding;
};

constexpr LabelEntry Labels[] = {
    {"shift_jis", PageEncoding::ShiftJis},
    {"shift-jis", PageEncoding::ShiftJis},
    {"sjis", PageEncoding::ShiftJis},
    {"x-sjis", PageEncoding::ShiftJis},
    {"s-jis", PageEncoding::ShiftJis},
    {"windows-31j", PageEncoding::ShiftJis},
    {"cp932", PageEncoding::ShiftJis},
    {"ms932", PageEncoding::ShiftJis},
    {"ms_kanji", PageEncoding::ShiftJis},
    {"csshiftjis", PageEncoding::ShiftJis},
    {"x-ms-cp932", PageEncoding::ShiftJis},
    {"cswindows31j", PageEncoding::ShiftJis},
    {"euc-jp", PageEncoding::EucJp},
    {"eucjp", PageEncoding::EucJp},
    {"euc_jp", PageEncoding::EucJp},
    {"x-euc-jp", PageEncoding::EucJp},
    {"x-euc", PageEncoding::EucJp},
    {"ujis", PageEncoding::EucJp},
    {"cseucpkdfmtjapanese", PageEncoding::EucJp},
    {"iso-2022-jp", PageEncoding::Iso2022Jp},
    {"csiso2022jp", PageEncoding::Iso2022Jp},
    {"jis", PageEncoding::Iso2022Jp},
    {"utf-8", PageEncoding::Utf8},
    {"utf8", PageEncoding::Utf8},
    {"unicode-1-1-utf-8", PageEncoding::Utf8},
    {"utf-16le", PageEncoding::Utf16LE},
    {"utf-16be", PageEncoding::Utf16BE},
    {"utf-16", PageEncoding::Utf16},
};

const char* IcuName(PageEncoding encoding) {
    switch (encoding) {
    case PageEncoding::ShiftJis:
        return "windows-31j";
    case PageEncoding::EucJp:
        return "EUC-JP";
    case PageEncoding::Iso2022Jp:
        return "ISO-2022-JP";
    case PageEncoding::Utf8:
        return "UTF-8";
    case PageEncoding::Utf16LE:
        return "UTF-16LE";
    case PageEncoding::Utf16BE:
        return "UTF-16BE";
    case PageEncoding::Utf16:
        return "UTF-16";
    }
    return "UTF-8";
}

bool IsUtf16(PageEncoding encoding) {
    return encoding == PageEncoding::Utf16 || encoding == PageEncoding::Utf16LE ||
           encoding == PageEncoding::Utf16BE;
}

// The value after the first name (lower case) followed by "=", without quotes; empty when there is none.
QByteArrayView ValueAfter(QByteArrayView lowerText, QByteArrayView name) {
    for (qsizetype at = lowerText.indexOf(name); at >= 0; at = lowerText.indexOf(name, at + 1)) {
        qsizetype i = at + name.size();
        while (i < lowerText.size() && lowerText[i] == ' ')
            ++i;
        if (i >= lowerText.size() || lowerText[i] != '=')
            continue;
        ++i;
        while (i < lowerText.size() && (lowerText[i] == ' ' || lowerText[i] == '"' || lowerText[i] == '\''))
            ++i;
        qsizetype end = i;
        while (end < lowerText.size() && !std::strchr(" \"';>/", lowerText[end]))
            ++end;
        return lowerText.sliced(i, end - i);
    }
    return {};
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off sequence.
bool IsStrictUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p < length || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i < length; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF)
                return false;
        }
        p += length;
    }
    return true;
}

bool HasIso2022JpEscape(QByteArrayView bytes) {
    static constexpr const char* Designations[] = {"$@", "$B", "$(D", "(J", "(I"};
    for (qsizetype at = bytes.indexOf('\x1B'); at >= 0; at = bytes.indexOf('\x1B', at + 1)) {
        const QByteArrayView rest = bytes.sliced(at + 1);
        for (const char* designation : Designations) {
            if (rest.startsWith(designation))
                return true;
        }
    }
    return false;
}

// Evidence for one multi-byte reading: full-width kana seen, and byte sequences it cannot hold.
struct Evidence {
    qsizetype kana = 0;
    qsizetype invalid = 0;
    qsizetype score() const { return kana - 16 * invalid; }
};

bool InRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

Evidence ReadAsEucJp(const unsigned char* p, const unsigned char* end) {
    Evidence evidence;
    while (p < end) {
        const unsigned char b = *p;
        const unsigned char next = end - p > 1 ? p[1] : 0;
        if (b < 0x80) {
            ++p;
        } else if (b == 0x8E && InRange(next, 0xA1, 0xDF)) {
            p += 2;
        } else if (b == 0x8F && end - p > 2 && InRange(next, 0xA1, 0xFE) && InRange(p[2], 0xA1, 0xFE)) {
            p += 3;
        } else if (InRange(b, 0xA1, 0xFE) && InRange(next, 0xA1, 0xFE)) {
            evidence.kana += (b == 0xA4 || b == 0xA5) ? 1 : 0;
            p += 2;
        } else {
            ++evidence.invalid;
            ++p;
        }
    }
    return evidence;
}

Evidence ReadAsShiftJis(const unsigned char* p, const unsigned char* end) {
    Evidence evidence;
    while (p < end) {
        const unsigned char b = *p;
        const unsigned char next = end - p > 1 ? p[1] : 0;
        if (b < 0x80 || InRange(b, 0xA1, 0xDF)) {
            ++p;
        } else if ((InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC)) &&
                   (InRange(next, 0x40, 0x7E) || InRange(next, 0x80, 0xFC))) {
            const bool hiragana = b == 0x82 && InRange(next, 0x9F, 0xF1);
            const bool katakana = b == 0x83 && InRange(next, 0x40, 0x96);
            evidence.kana += (hiragana || katakana) ? 1 : 0;
            p += 2;
        } else {
            ++evidence.invalid;
            ++p;
        }
    }
    return evidence;
}

// How much text after the first non-ASCII byte the EUC-JP / Shift_JIS comparison reads: plenty
// for a verdict, and it keeps detection cheap on very large pages.
constexpr qsizetype DetectionWindow = 256 * 1024;

PageEncoding EucJpOrShiftJis(QByteArrayView bytes) {
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = begin + bytes.size();
    const auto* first = std::find_if(begin, end, [](unsigned char b) { return b >= 0x80; });
    const auto* stop = end - first > DetectionWindow ? first + DetectionWindow : end;
    const Evidence euc = ReadAsEucJp(first, stop);
    const Evidence sjis = ReadAsShiftJis(first, stop);
    return euc.score() > sjis.score() ? PageEncoding::EucJp : PageEncoding::ShiftJis;
}

QByteArrayView WithoutLeadingSpace(QByteArrayView bytes) {
    const auto* begin = bytes.data();
    const auto* end = begin + bytes.size();
    return {std::find_if(begin, end, [](char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; }),
            end};
}

QByteArrayView UpToFirstNul(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return bytes;
    const void* nul = std::memchr(bytes.data(), 0, size_t(bytes.size()));
    return nul ? bytes.first(static_cast<const char*>(nul) - bytes.data()) : bytes;
}

std::optional<QString> Decode(PageEncoding encoding, QByteArrayView bytes) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(IcuName(encoding), &status));
    if (U_FAILURE(status))
        return std::nullopt;
    // None of these encodings yields more UTF-16 units than it has bytes; the retry covers surprises.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    auto convert = [&] {
        status = U_ZERO_ERROR;
        return ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                             bytes.data(), int32_t(bytes.size()), &status);
    };
    int32_t length = convert();
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        text.resize(qsizetype(length) + 1);
        ucnv_reset(converter.get());
        length = convert();
    }
    if (U_FAILURE(status))
        return std::nullopt;
    text.truncate(length);
    return text;
}

} // namespace

std::optional<PageEncoding> EncodingFromLabel(QByteArrayView label) {
    QByteArray name = label.trimmed().toByteArray().toLower();
    while (!name.isEmpty() && (name.front() == '"' || name.front() == '\''))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == '"' || name.back() == '\''))
        name.chop(1);
    for (const LabelEntry& entry : Labels) {
        if (name == entry.label)
            return entry.encoding;
    }
    return std::nullopt;
}

std::optional<PageEncoding> EncodingFromContentType(QByteArrayView contentType) {
    const QByteArray lower = contentType.toByteArray().toLower();
    const qsizetype parameters = lower.indexOf(';');
    if (parameters < 0)
        return std::nullopt;
    const QByteArrayView value = ValueAfter(QByteArrayView(lower).sliced(parameters), "charset");
    return value.isEmpty() ? std::nullopt : EncodingFromLabel(value);
}

std::optional<PageEncoding> EncodingFromMeta(QByteArrayView page) {
    const QByteArray head = page.first(std::min(page.size(), MetaScanBytes)).toByteArray().toLower();
    for (qsizetype at = head.indexOf("<meta"); at >= 0; at = head.indexOf("<meta", at + 5)) {
        const qsizetype close = head.indexOf('>', at);
        const QByteArrayView tag = QByteArrayView(head).sliced(at, (close < 0 ? head.size() : close) - at);
        const QByteArrayView value = ValueAfter(tag, "charset");
        if (value.isEmpty())
            continue;
        const std::optional<PageEncoding> encoding = EncodingFromLabel(value);
        if (encoding && IsUtf16(*encoding))
            return PageEncoding::Utf8;
        if (encoding)
            return encoding;
    }
    return std::nullopt;
}

std::optional<PageEncoding> EncodingFromXmlDeclaration(QByteArrayView page) {
    const QByteArrayView start = WithoutLeadingSpace(page);
    const qsizetype end = start.startsWith("<?xml") ? start.indexOf("?>") : -1;
    if (end < 0)
        return std::nullopt;
    const QByteArray declaration = start.first(end).toByteArray().toLower();
    const QByteArrayView value = ValueAfter(declaration, "encoding");
    const std::optional<PageEncoding> encoding = value.isEmpty() ? std::nullopt : EncodingFromLabel(value);
    return encoding && IsUtf16(*encoding) ? PageEncoding::Utf8 : encoding;
}

std::optional<PageEncoding> EncodingFromBom(QByteArrayView page) {
    if (page.startsWith("\xEF\xBB\xBF"))
        return PageEncoding::Utf8;
    if (page.startsWith("\xFF\xFE"))
        return PageEncoding::Utf16LE;
    if (page.startsWith("\xFE\xFF"))
        return PageEncoding::Utf16BE;
    return std::nullopt;
}

PageEncoding DetectEncoding(QByteArrayView bytes) {
    if (HasIso2022JpEscape(bytes))
        return PageEncoding::Iso2022Jp;
    if (IsStrictUtf8(bytes))
        return PageEncoding::Utf8;
    return EucJpOrShiftJis(bytes);
}

PageEncoding ChoosePageEncoding(QByteArrayView bytes, QByteArrayView contentType) {
    if (const auto declared = EncodingFromContentType(contentType))
        return *declared;
    if (const auto declared = EncodingFromMeta(bytes))
        return *declared;
    if (const auto declared = EncodingFromXmlDeclaration(bytes))
        return *declared;
    if (const auto marked = EncodingFromBom(bytes))
        return *marked;
    return DetectEncoding(UpToFirstNul(bytes));
}

std::optional<QString> DecodePageBytes(const QByteArray& bytes, const QByteArray& contentType) {
    return DecodePageBytesAs(bytes, ChoosePageEncoding(bytes, contentType));
}

std::optional<QString> DecodePageBytesAs(const QByteArray& bytes, PageEncoding encoding) {
    const QByteArrayView input = IsUtf16(encoding) ? QByteArrayView(bytes) : UpToFirstNul(bytes);
    if (input.isEmpty())
        return QString();
    std::optional<QString> text = Decode(encoding, input);
    if (!text)
        return std::nullopt;
    if (IsUtf16(encoding)) {
        const qsizetype nul = text->indexOf(QChar(0));
        if (nul >= 0)
            text->truncate(nul);
    }
    if (text->startsWith(QChar(0xFEFF)))
        text->remove(0, 1);
    return text;
}

QString PageEncodingName(PageEncoding encoding) {
    // The converter behind Shift_JIS is CP932's; each other one goes by the encoding's own name.
    return encoding == PageEncoding::ShiftJis ? QStringLiteral("Shift_JIS")
                                              : QString::fromLatin1(IcuName(encoding));
}
