#include "retrieval/PageDecoder.h"

#include "retrieval/EncodingDetector.h"

#include <algorithm>
#include <cstring>

namespace {

// The value after the first name (lower case) followed by "=", without quotes; empty when there is none.
QByteArrayView valueAfter(QByteArrayView lowerText, QByteArrayView name) {
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

// What an encoding named inside the page itself means: its markup was readable as ASCII.
std::optional<PageEncoding> inPageEncoding(std::optional<PageEncoding> encoding) {
    if (encoding && isUtf16(*encoding))
        return PageEncoding::Utf8;
    if (encoding == PageEncoding::XUserDefined)
        return PageEncoding::Windows1252;
    return encoding;
}

QByteArrayView withoutLeadingSpace(QByteArrayView bytes) {
    const auto* begin = bytes.data();
    const auto* end = begin + bytes.size();
    return {std::find_if(begin, end, [](char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; }),
            end};
}

QByteArrayView upToFirstNul(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return bytes;
    const void* nul = std::memchr(bytes.data(), 0, size_t(bytes.size()));
    return nul ? bytes.first(static_cast<const char*>(nul) - bytes.data()) : bytes;
}

// Servers that label every page alike send windows-1252 (the old default) or UTF-8 (the newer one).
// Such a label gives way to a declaration in the page naming another encoding (UTF-8 only when the
// bytes are UTF-8), or to bytes that are plainly something else; a UTF-8 label only when the bytes
// are no UTF-8. nullopt when the label stands.
std::optional<EncodingChoice> overDefaultLabel(PageEncoding header, QByteArrayView bytes,
                                               const std::optional<EncodingChoice>& inPage) {
    if (header != PageEncoding::Windows1252 && header != PageEncoding::Utf8)
        return std::nullopt;
    const QByteArrayView text = upToFirstNul(bytes);
    if (header == PageEncoding::Utf8 && isStrictUtf8(text) && !hasIso2022JpEscape(text))
        return std::nullopt;
    if (inPage && inPage->encoding != header &&
        (inPage->encoding != PageEncoding::Utf8 || isStrictUtf8(text)))
        return inPage;
    if (const auto plain = plainEncoding(text))
        return EncodingChoice{*plain, EncodingSource::Detected};
    return std::nullopt;
}

// A declared legacy encoding gives way to bytes that are UTF-8 beyond doubt (multi-byte sequences,
// every one valid): a page converted to UTF-8 that kept its old meta, or a server's old default.
EncodingChoice unlessPlainlyUtf8(EncodingChoice declared, QByteArrayView bytes) {
    if (declared.encoding == PageEncoding::Utf8 || isUtf16(declared.encoding))
        return declared;
    const QByteArrayView text = upToFirstNul(bytes);
    const bool multiByte = std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; });
    return multiByte && isStrictUtf8(text) ? EncodingChoice{PageEncoding::Utf8, EncodingSource::Detected}
                                           : declared;
}

std::optional<EncodingChoice> declaredInPage(QByteArrayView bytes) {
    if (const auto declared = encodingFromMeta(bytes))
        return EncodingChoice{*declared, EncodingSource::Meta};
    if (const auto declared = encodingFromXmlDeclaration(bytes))
        return EncodingChoice{*declared, EncodingSource::XmlDeclaration};
    return std::nullopt;
}

} // namespace

std::optional<PageEncoding> encodingFromContentType(QByteArrayView contentType) {
    const QByteArray lower = contentType.toByteArray().toLower();
    const qsizetype parameters = lower.indexOf(';');
    if (parameters < 0)
        return std::nullopt;
    const QByteArrayView value = valueAfter(QByteArrayView(lower).sliced(parameters), "charset");
    return value.isEmpty() ? std::nullopt : encodingFromLabel(value);
}

std::optional<PageEncoding> encodingFromMeta(QByteArrayView page) {
    const QByteArray head = page.first(std::min(page.size(), MetaScanBytes)).toByteArray().toLower();
    for (qsizetype at = head.indexOf("<meta"); at >= 0; at = head.indexOf("<meta", at + 5)) {
        const qsizetype close = head.indexOf('>', at);
        const QByteArrayView tag = QByteArrayView(head).sliced(at, (close < 0 ? head.size() : close) - at);
        const QByteArrayView value = valueAfter(tag, "charset");
        if (const std::optional<PageEncoding> encoding =
                value.isEmpty() ? std::nullopt : encodingFromLabel(value))
            return inPageEncoding(encoding);
    }
    return std::nullopt;
}

std::optional<PageEncoding> encodingFromXmlDeclaration(QByteArrayView page) {
    const QByteArrayView start = withoutLeadingSpace(page);
    const qsizetype end = start.startsWith("<?xml") ? start.indexOf("?>") : -1;
    if (end < 0)
        return std::nullopt;
    const QByteArray declaration = start.first(end).toByteArray().toLower();
    const QByteArrayView value = valueAfter(declaration, "encoding");
    return value.isEmpty() ? std::nullopt : inPageEncoding(encodingFromLabel(value));
}

std::optional<PageEncoding> encodingFromBom(QByteArrayView page) {
    if (page.startsWith("\xEF\xBB\xBF"))
        return PageEncoding::Utf8;
    if (page.startsWith("\xFF\xFE"))
        return PageEncoding::Utf16LE;
    if (page.startsWith("\xFE\xFF"))
        return PageEncoding::Utf16BE;
    return std::nullopt;
}

EncodingChoice choosePageEncoding(QByteArrayView bytes, QByteArrayView contentType) {
    if (const auto marked = encodingFromBom(bytes))
        return {*marked, EncodingSource::ByteOrderMark};
    const std::optional<EncodingChoice> inPage = declaredInPage(bytes);
    if (const auto header = encodingFromContentType(contentType)) {
        const std::optional<EncodingChoice> over = overDefaultLabel(*header, bytes, inPage);
        return unlessPlainlyUtf8(over.value_or(EncodingChoice{*header, EncodingSource::Header}), bytes);
    }
    if (inPage)
        return unlessPlainlyUtf8(*inPage, bytes);
    return {detectEncoding(upToFirstNul(bytes)), EncodingSource::Detected};
}

std::optional<QString> decodePageBytes(const QByteArray& bytes, const QByteArray& contentType) {
    return decodePageBytesAs(bytes, choosePageEncoding(bytes, contentType).encoding);
}

std::optional<QString> decodePageBytesAs(const QByteArray& bytes, PageEncoding encoding) {
    std::optional<QString> text = decodeWholePage(bytes, encoding);
    const qsizetype nul = text ? text->indexOf(QChar(0)) : -1;
    if (nul >= 0)
        text->truncate(nul);
    return text;
}

std::optional<QString> decodeWholePage(const QByteArray& bytes, PageEncoding encoding) {
    if (bytes.isEmpty())
        return QString();
    std::optional<QString> text = decodeIn(encoding, bytes);
    if (text && text->startsWith(QChar(0xFEFF)))
        text->remove(0, 1);
    return text;
}
