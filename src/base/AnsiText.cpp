#include "base/AnsiText.h"

#include <QStringDecoder>
#include <memory>
#include <unicode/ucnv.h>

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openCp932(bool stopOnUnmappable) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open("windows-31j", &status));
    if (U_FAILURE(status))
        return nullptr;
    if (stopOnUnmappable) {
        ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    }
    return converter;
}

} // namespace

QString decodeAnsiText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp932(bytes);
}

QByteArray encodeAnsiText(const QString& text) {
    return text.toUtf8();
}

QString decodeCp932(const QByteArray& bytes) {
    Converter converter = openCp932(false);
    if (!converter || bytes.isEmpty())
        return {};
    QString text(bytes.size(), Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                      bytes.constData(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        return {};
    text.truncate(length);
    return text;
}

QByteArray encodeCp932(const QString& text, bool* lossless) {
    if (lossless)
        *lossless = true;
    Converter converter = openCp932(lossless != nullptr);
    if (!converter || text.isEmpty())
        return {};
    QByteArray bytes(text.size() * 2 + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter.get(), bytes.data(), int32_t(bytes.size()),
                        reinterpret_cast<const UChar*>(text.constData()), int32_t(text.size()), &status);
    if (U_FAILURE(status)) {
        if (lossless)
            *lossless = false;
        // Retry with substitution so the caller still gets the convertible part.
        return lossless ? encodeCp932(text, nullptr) : QByteArray();
    }
    bytes.truncate(length);
    return bytes;
}
