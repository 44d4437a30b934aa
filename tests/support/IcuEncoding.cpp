#include "support/IcuEncoding.h"

#include <QtGlobal>
#include <memory>
#include <unicode/ucnv.h>

QByteArray encodeWithIcu(const QString& text, const char* converterName) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter*)> converter(ucnv_open(converterName, &status),
                                                                 ucnv_close);
    if (U_FAILURE(status))
        qFatal("no ICU converter %s", converterName);
    // A character the encoding cannot hold is a mistake in the test, not something to substitute.
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    QByteArray bytes(text.size() * 4 + 16, Qt::Uninitialized);
    const int32_t length =
        ucnv_fromUChars(converter.get(), bytes.data(), int32_t(bytes.size()),
                        reinterpret_cast<const UChar*>(text.constData()), int32_t(text.size()), &status);
    if (U_FAILURE(status))
        qFatal("cannot encode with %s", converterName);
    bytes.truncate(length);
    return bytes;
}

QByteArray utf16WithBom(const QString& text, bool littleEndian) {
    const QByteArray bom = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    return bom + encodeWithIcu(text, littleEndian ? "UTF-16LE" : "UTF-16BE");
}
