#include "retrieval/EncodingDetector.h"

#include <algorithm>
#include <memory>
#include <uchardet/uchardet.h>

namespace {

// Evidence for one multi-byte reading: kana seen (full-width, and half-width apart), the
// double-byte characters, and the byte sequences the encoding cannot hold.
struct Evidence {
    qsizetype kana = 0;
    qsizetype halfWidthKana = 0;
    qsizetype doubleByte = 0;
    qsizetype invalid = 0;
    qsizetype score() const { return kana - 16 * invalid; }
};

bool inRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

Evidence readAsEucJp(const unsigned char* p, const unsigned char* end) {
    Evidence evidence;
    while (p < end) {
        const unsigned char b = *p;
        const unsigned char next = end - p > 1 ? p[1] : 0;
        if (b < 0x80) {
            ++p;
        } else if (b == 0x8E && inRange(next, 0xA1, 0xDF)) {
            ++evidence.halfWidthKana;
            p += 2;
        } else if (b == 0x8F && end - p > 2 && inRange(next, 0xA1, 0xFE) && inRange(p[2], 0xA1, 0xFE)) {
            p += 3;
        } else if (inRange(b, 0xA1, 0xFE) && inRange(next, 0xA1, 0xFE)) {
            evidence.kana += (b == 0xA4 || b == 0xA5) ? 1 : 0;
            ++evidence.doubleByte;
            p += 2;
        } else {
            ++evidence.invalid;
            ++p;
        }
    }
    return evidence;
}

Evidence readAsShiftJis(const unsigned char* p, const unsigned char* end) {
    Evidence evidence;
    while (p < end) {
        const unsigned char b = *p;
        const unsigned char next = end - p > 1 ? p[1] : 0;
        if (b < 0x80) {
            ++p;
        } else if (inRange(b, 0xA1, 0xDF)) {
            ++evidence.halfWidthKana;
            ++p;
        } else if ((inRange(b, 0x81, 0x9F) || inRange(b, 0xE0, 0xFC)) &&
                   (inRange(next, 0x40, 0x7E) || inRange(next, 0x80, 0xFC))) {
            const bool hiragana = b == 0x82 && inRange(next, 0x9F, 0xF1);
            const bool katakana = b == 0x83 && inRange(next, 0x40, 0x96);
            evidence.kana += (hiragana || katakana) ? 1 : 0;
            ++evidence.doubleByte;
            p += 2;
        } else {
            ++evidence.invalid;
            ++p;
        }
    }
    return evidence;
}

// How much text after the first non-ASCII byte the readings and the detector look at: plenty for a
// verdict, and it keeps detection cheap on very large pages.
constexpr qsizetype DetectionWindow = 256 * 1024;
// Fewer non-ASCII bytes than this are too little text for the detector: a few Japanese words in
// markup are then read as Japanese, as they always were.
constexpr qsizetype ShortText = 64;

struct JapaneseReading {
    PageEncoding encoding = PageEncoding::ShiftJis;
    Evidence evidence;
    qsizetype nonAscii = 0;

    qsizetype characters() const { return evidence.doubleByte + evidence.halfWidthKana; }
    bool valid() const { return evidence.invalid == 0 && characters() > 0; }
    // Japanese prose is at least one part full-width kana in eight, even in headlines full of kanji;
    // a stray broken byte does not make it anything else. (Half-width kana do not count: read as
    // Shift_JIS, the letters of Big5, KOI8-R and many single-byte encodings are half-width kana.)
    bool looksJapanese() const {
        return evidence.kana > 0 && evidence.kana * 8 >= characters() &&
               evidence.invalid * 16 <= characters();
    }
};

QByteArrayView windowOf(QByteArrayView bytes) {
    const auto* begin = bytes.data();
    const auto* end = begin + bytes.size();
    const auto* first =
        std::find_if(begin, end, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return {first, std::min<qsizetype>(end - first, DetectionWindow)};
}

JapaneseReading readAsJapanese(QByteArrayView window) {
    const auto* begin = reinterpret_cast<const unsigned char*>(window.data());
    const auto* end = begin + window.size();
    const Evidence euc = readAsEucJp(begin, end);
    const Evidence sjis = readAsShiftJis(begin, end);
    JapaneseReading reading;
    reading.nonAscii = std::count_if(begin, end, [](unsigned char b) { return b >= 0x80; });
    if (euc.score() > sjis.score())
        reading = {PageEncoding::EucJp, euc, reading.nonAscii};
    else
        reading = {PageEncoding::ShiftJis, sjis, reading.nonAscii};
    return reading;
}

struct DetectorDeleter {
    void operator()(uchardet_t detector) const { uchardet_delete(detector); }
};

// The detector's names that are no label of the Encoding Standard.
std::optional<PageEncoding> encodingFromDetectorName(QByteArrayView name) {
    if (name == "UHC")
        return PageEncoding::EucKr;
    if (name == "MAC-CYRILLIC")
        return PageEncoding::XMacCyrillic;
    return encodingFromLabel(name);
}

// A guess of KOI8-R is read as KOI8-U, which holds the same letters and, where KOI8-R has
// box-drawing signs no page shows, the Ukrainian and Belarusian ones.
std::optional<PageEncoding> detectorGuess(QByteArrayView window) {
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, DetectorDeleter> detector(uchardet_new());
    if (!detector || uchardet_handle_data(detector.get(), window.data(), size_t(window.size())) != 0)
        return std::nullopt;
    uchardet_data_end(detector.get());
    const std::optional<PageEncoding> guess = encodingFromDetectorName(uchardet_get_charset(detector.get()));
    return guess == PageEncoding::Koi8R ? PageEncoding::Koi8U : guess;
}

} // namespace

bool isStrictUtf8(QByteArrayView bytes) {
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

bool hasIso2022JpEscape(QByteArrayView bytes) {
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

PageEncoding detectEncoding(QByteArrayView bytes) {
    if (hasIso2022JpEscape(bytes))
        return PageEncoding::Iso2022Jp;
    if (isStrictUtf8(bytes))
        return PageEncoding::Utf8;
    const QByteArrayView window = windowOf(bytes);
    const JapaneseReading japanese = readAsJapanese(window);
    if (japanese.looksJapanese() || (japanese.nonAscii < ShortText && japanese.evidence.invalid == 0))
        return japanese.encoding;
    const std::optional<PageEncoding> guess = detectorGuess(window);
    return guess && !isJapanese(*guess) ? *guess : japanese.encoding;
}

std::optional<PageEncoding> plainEncoding(QByteArrayView bytes) {
    if (hasIso2022JpEscape(bytes))
        return PageEncoding::Iso2022Jp;
    const QByteArrayView window = windowOf(bytes);
    if (window.isEmpty())
        return std::nullopt;
    if (isStrictUtf8(bytes))
        return PageEncoding::Utf8;
    const JapaneseReading japanese = readAsJapanese(window);
    if (!japanese.valid())
        return std::nullopt;
    if (japanese.looksJapanese())
        return japanese.encoding;
    const std::optional<PageEncoding> guess = detectorGuess(window);
    return guess && isJapanese(*guess) ? std::optional(japanese.encoding) : std::nullopt;
}
