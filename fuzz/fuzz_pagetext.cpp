// Page decoding and normalisation: any bytes with any Content-Type decode (bad sequences
// substituted, never the whole page lost); the text holds no NUL, CR, LF, TAB or half-width
// katakana; and it equals the normalisation done step by step over the whole text: half-width
// katakana widened, line breaks and tabs deleted, space pairs removed, then the twelve references
// replaced one by one.
// Input: the page's bytes, then the Content-Type header value.
#include "FuzzInput.h"
#include "base/AnsiText.h"
#include "retrieval/PageDecoder.h"
#include "retrieval/PageText.h"
#include "support/ReferenceDecoding.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isHalfWidthKana(QChar c) {
    return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F;
}

bool isRemoved(QChar c) {
    return c == u'\r' || c == u'\n' || c == u'\t' || c == QChar(0) || isHalfWidthKana(c);
}

// The widening that Shift_JIS text knows: a letter joins the voiced or semi-voiced mark after it
// when the joined letter exists in CP932; a mark on its own becomes the spacing mark.
QString widened(const QString& text) {
    QString wide;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!isHalfWidthKana(c)) {
            wide += c;
            continue;
        }
        const QString joined = text.mid(i, 2).normalized(QString::NormalizationForm_KC);
        bool inCp932 = false;
        encodeCp932(joined, &inCp932);
        if (joined.size() == 1 && inCp932 && i + 1 < text.size() && isHalfWidthKana(text.at(i + 1))) {
            wide += joined;
            ++i;
        } else if (c == u'\uFF9E' || c == u'\uFF9F') {
            wide += c == u'\uFF9E' ? u'゛' : u'゜';
        } else {
            wide += QString(c).normalized(QString::NormalizationForm_KC);
        }
    }
    return wide;
}

QString normalisedStepByStep(QString text) {
    text = widened(text);
    text.remove(u'\r').remove(u'\n').remove(u'\t');
    text.replace(u"  "_s, QString());
    return decodeReferencesOneByOne(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = splitFuzzInput(data, size, 2);
    const QByteArray& page = parts.at(0);
    const QByteArray& contentType = parts.at(1);

    const std::optional<QString> decoded = decodePageBytes(page, contentType);
    FUZZ_CHECK(decoded && !decoded->contains(QChar(0)));
    const QString text = normalisePageText(page, contentType);
    FUZZ_CHECK(std::none_of(text.cbegin(), text.cend(), isRemoved));
    FUZZ_CHECK(text == normalisedStepByStep(*decoded));
    return 0;
}
