#include "retrieval/PageEncoding.h"

#include "base/HugePages.h"

#include <QHash>
#include <iterator>
#include <memory>
#include <unicode/ucnv.h>

namespace {

struct EncodingRow {
    PageEncoding encoding;
    const char* name;
    const char* converter; // ICU's name; null where a table of our own decodes
    const char* labels;    // separated by spaces
};

// gbk is read with the gb18030 decoder and EUC-KR as its Windows superset, as browsers do.
constexpr EncodingRow Encodings[] = {
    {PageEncoding::Utf8, "UTF-8", "UTF-8",
     "unicode-1-1-utf-8 unicode11utf8 unicode20utf8 utf-8 utf8 x-unicode20utf8"},
    {PageEncoding::Ibm866, "IBM866", "ibm-866", "866 cp866 csibm866 ibm866"},
    {PageEncoding::Iso8859_2, "ISO-8859-2", "ISO-8859-2",
     "csisolatin2 iso-8859-2 iso-ir-101 iso8859-2 iso88592 iso_8859-2 iso_8859-2:1987 l2 latin2"},
    {PageEncoding::Iso8859_3, "ISO-8859-3", "ISO-8859-3",
     "csisolatin3 iso-8859-3 iso-ir-109 iso8859-3 iso88593 iso_8859-3 iso_8859-3:1988 l3 latin3"},
    {PageEncoding::Iso8859_4, "ISO-8859-4", "ISO-8859-4",
     "csisolatin4 iso-8859-4 iso-ir-110 iso8859-4 iso88594 iso_8859-4 iso_8859-4:1988 l4 latin4"},
    {PageEncoding::Iso8859_5, "ISO-8859-5", "ISO-8859-5",
     "csisolatincyrillic cyrillic iso-8859-5 iso-ir-144 iso8859-5 iso88595 iso_8859-5 iso_8859-5:1988"},
    {PageEncoding::Iso8859_6, "ISO-8859-6", "ISO-8859-6",
     "arabic asmo-708 csiso88596e csiso88596i csisolatinarabic ecma-114 iso-8859-6 iso-8859-6-e "
     "iso-8859-6-i iso-ir-127 iso8859-6 iso88596 iso_8859-6 iso_8859-6:1987"},
    {PageEncoding::Iso8859_7, "ISO-8859-7", "ISO-8859-7",
     "csisolatingreek ecma-118 elot_928 greek greek8 iso-8859-7 iso-ir-126 iso8859-7 iso88597 iso_8859-7 "
     "iso_8859-7:1987 sun_eu_greek"},
    {PageEncoding::Iso8859_8, "ISO-8859-8", "ISO-8859-8",
     "csiso88598e csisolatinhebrew hebrew iso-8859-8 iso-8859-8-e iso-ir-138 iso8859-8 iso88598 iso_8859-8 "
     "iso_8859-8:1988 visual"},
    {PageEncoding::Iso8859_8I, "ISO-8859-8-I", "ISO-8859-8", "csiso88598i iso-8859-8-i logical"},
    {PageEncoding::Iso8859_10, "ISO-8859-10", "ISO-8859-10",
     "csisolatin6 iso-8859-10 iso-ir-157 iso8859-10 iso885910 l6 latin6"},
    {PageEncoding::Iso8859_13, "ISO-8859-13", "ISO-8859-13", "iso-8859-13 iso8859-13 iso885913"},
    {PageEncoding::Iso8859_14, "ISO-8859-14", "ISO-8859-14", "iso-8859-14 iso8859-14 iso885914"},
    {PageEncoding::Iso8859_15, "ISO-8859-15", "ISO-8859-15",
     "csisolatin9 iso-8859-15 iso8859-15 iso885915 iso_8859-15 l9"},
    {PageEncoding::Iso8859_16, "ISO-8859-16", nullptr, "iso-8859-16"},
    {PageEncoding::Koi8R, "KOI8-R", "KOI8-R", "cskoi8r koi koi8 koi8-r koi8_r"},
    {PageEncoding::Koi8U, "KOI8-U", "KOI8-U", "koi8-ru koi8-u"},
    {PageEncoding::Macintosh, "macintosh", "macintosh", "csmacintosh mac macintosh x-mac-roman"},
    {PageEncoding::Windows874, "windows-874", "windows-874",
     "dos-874 iso-8859-11 iso8859-11 iso885911 tis-620 windows-874"},
    {PageEncoding::Windows1250, "windows-1250", "windows-1250", "cp1250 windows-1250 x-cp1250"},
    {PageEncoding::Windows1251, "windows-1251", "windows-1251", "cp1251 windows-1251 x-cp1251"},
    {PageEncoding::Windows1252, "windows-1252", "windows-1252",
     "ansi_x3.4-1968 ascii cp1252 cp819 csisolatin1 ibm819 iso-8859-1 iso-ir-100 iso8859-1 iso88591 "
     "iso_8859-1 iso_8859-1:1987 l1 latin1 us-ascii windows-1252 x-cp1252"},
    {PageEncoding::Windows1253, "windows-1253", "windows-1253", "cp1253 windows-1253 x-cp1253"},
    {PageEncoding::Windows1254, "windows-1254", "windows-1254",
     "cp1254 csisolatin5 iso-8859-9 iso-ir-148 iso8859-9 iso88599 iso_8859-9 iso_8859-9:1989 l5 latin5 "
     "windows-1254 x-cp1254"},
    {PageEncoding::Windows1255, "windows-1255", "windows-1255", "cp1255 windows-1255 x-cp1255"},
    {PageEncoding::Windows1256, "windows-1256", "windows-1256", "cp1256 windows-1256 x-cp1256"},
    {PageEncoding::Windows1257, "windows-1257", "windows-1257", "cp1257 windows-1257 x-cp1257"},
    {PageEncoding::Windows1258, "windows-1258", "windows-1258", "cp1258 windows-1258 x-cp1258"},
    {PageEncoding::XMacCyrillic, "x-mac-cyrillic", "x-mac-cyrillic", "x-mac-cyrillic x-mac-ukrainian"},
    {PageEncoding::Gbk, "GBK", "GB18030",
     "chinese csgb2312 csiso58gb231280 gb2312 gb_2312 gb_2312-80 gbk iso-ir-58 x-gbk"},
    {PageEncoding::Gb18030, "gb18030", "GB18030", "gb18030"},
    {PageEncoding::Big5, "Big5", "Big5-HKSCS", "big5 big5-hkscs cn-big5 csbig5 x-x-big5"},
    {PageEncoding::EucJp, "EUC-JP", "EUC-JP", "cseucpkdfmtjapanese euc-jp x-euc-jp eucjp euc_jp x-euc ujis"},
    {PageEncoding::Iso2022Jp, "ISO-2022-JP", "ISO-2022-JP", "csiso2022jp iso-2022-jp jis"},
    {PageEncoding::ShiftJis, "Shift_JIS", "windows-31j",
     "csshiftjis ms932 ms_kanji shift-jis shift_jis sjis windows-31j x-sjis s-jis cp932 x-ms-cp932 "
     "cswindows31j"},
    {PageEncoding::EucKr, "EUC-KR", "windows-949",
     "cseuckr csksc56011987 euc-kr iso-ir-149 korean ks_c_5601-1987 ks_c_5601-1989 ksc5601 ksc_5601 "
     "windows-949"},
    {PageEncoding::Iso2022Kr, "ISO-2022-KR", "ISO-2022-KR", "csiso2022kr iso-2022-kr"},
    {PageEncoding::Iso2022Cn, "ISO-2022-CN", "ISO-2022-CN-EXT", "iso-2022-cn iso-2022-cn-ext"},
    {PageEncoding::HzGb2312, "HZ-GB-2312", "HZ", "hz-gb-2312"},
    {PageEncoding::Utf16BE, "UTF-16BE", "UTF-16BE", "unicodefffe utf-16be"},
    {PageEncoding::Utf16LE, "UTF-16LE", "UTF-16LE",
     "csunicode iso-10646-ucs-2 ucs-2 unicode unicodefeff utf-16le"},
    {PageEncoding::Utf16, "UTF-16", "UTF-16", "utf-16"},
    {PageEncoding::XUserDefined, "x-user-defined", nullptr, "x-user-defined"},
};

constexpr bool rowsInEnumOrder() {
    for (int i = 0; i < int(std::size(Encodings)); ++i) {
        if (int(Encodings[i].encoding) != i)
            return false;
    }
    return int(std::size(Encodings)) == int(PageEncoding::XUserDefined) + 1;
}
static_assert(rowsInEnumOrder(), "one row per encoding, in the enum's order");

const EncodingRow& rowOf(PageEncoding encoding) {
    return Encodings[int(encoding)];
}

const QHash<QByteArray, PageEncoding>& labelIndex() {
    static const QHash<QByteArray, PageEncoding> index = [] {
        QHash<QByteArray, PageEncoding> labels;
        for (const EncodingRow& row : Encodings) {
            for (const QByteArray& label : QByteArray(row.labels).split(' '))
                labels.insert(label, row.encoding);
        }
        return labels;
    }();
    return index;
}

// The upper half of ISO-8859-16, which ICU's data leaves out.
constexpr char16_t Iso8859_16High[96] = {
    0x00A0, 0x0104, 0x0105, 0x0141, 0x20AC, 0x201E, 0x0160, 0x00A7, 0x0161, 0x00A9, 0x0218, 0x00AB,
    0x0179, 0x00AD, 0x017A, 0x017B, 0x00B0, 0x00B1, 0x010C, 0x0142, 0x017D, 0x201D, 0x00B6, 0x00B7,
    0x017E, 0x010D, 0x0219, 0x00BB, 0x0152, 0x0153, 0x0178, 0x017C, 0x00C0, 0x00C1, 0x00C2, 0x0102,
    0x00C4, 0x0106, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x0110, 0x0143, 0x00D2, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x015A, 0x0170, 0x00D9, 0x00DA, 0x00DB,
    0x00DC, 0x0118, 0x021A, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x0107, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x0111, 0x0144, 0x00F2, 0x00F3,
    0x00F4, 0x0151, 0x00F6, 0x015B, 0x0171, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0119, 0x021B, 0x00FF,
};

// The two single-byte encodings without an ICU converter. x-user-defined puts each high byte in
// the private use area, at U+F780 + (byte - 0x80).
QString decodeByTable(PageEncoding encoding, QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            *out++ = b;
        else if (encoding == PageEncoding::XUserDefined)
            *out++ = char16_t(0xF780 + b - 0x80);
        else
            *out++ = b < 0xA0 ? char16_t(b) : Iso8859_16High[b - 0xA0];
    }
    return text;
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

std::optional<QString> decodeWithIcu(const char* converterName, QByteArrayView bytes) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(converterName, &status));
    if (U_FAILURE(status))
        return std::nullopt;
    // None of these encodings yields more UTF-16 units than it has bytes; the retry covers surprises.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    adviseHugePages(text.data(), text.size() * qsizetype(sizeof(QChar)));
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

std::optional<PageEncoding> encodingFromLabel(QByteArrayView label) {
    QByteArray name = label.trimmed().toByteArray().toLower();
    while (!name.isEmpty() && (name.front() == '"' || name.front() == '\''))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == '"' || name.back() == '\''))
        name.chop(1);
    const auto found = labelIndex().constFind(name.trimmed());
    return found == labelIndex().cend() ? std::nullopt : std::optional(*found);
}

QString pageEncodingName(PageEncoding encoding) {
    return QString::fromLatin1(rowOf(encoding).name);
}

bool isUtf16(PageEncoding encoding) {
    return encoding == PageEncoding::Utf16 || encoding == PageEncoding::Utf16LE ||
           encoding == PageEncoding::Utf16BE;
}

bool isJapanese(PageEncoding encoding) {
    return encoding == PageEncoding::ShiftJis || encoding == PageEncoding::EucJp ||
           encoding == PageEncoding::Iso2022Jp;
}

std::optional<QString> decodeIn(PageEncoding encoding, QByteArrayView bytes) {
    const char* converter = rowOf(encoding).converter;
    if (!converter)
        return decodeByTable(encoding, bytes);
    return decodeWithIcu(converter, bytes);
}
