#include "retrieval/PageText.h"

#include "retrieval/PageDecoder.h"

#include <cstring>
#include <iterator>
#include <string_view>

namespace {

constexpr char16_t HalfWidthFirst = 0xFF61; // ｡
constexpr char16_t HalfWidthLast = 0xFF9F;  // ﾟ
constexpr char16_t HalfWidthVoiced = 0xFF9E;
constexpr char16_t HalfWidthSemiVoiced = 0xFF9F;

// Full-width forms of U+FF61..U+FF9F, in order.
constexpr char16_t FullWidth[] = {u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ',
                                  u'ャ', u'ュ', u'ョ', u'ッ', u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ',
                                  u'キ', u'ク', u'ケ', u'コ', u'サ', u'シ', u'ス', u'セ', u'ソ', u'タ', u'チ',
                                  u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ', u'ネ', u'ノ', u'ハ', u'ヒ', u'フ',
                                  u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ', u'ユ', u'ヨ', u'ラ',
                                  u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜'};
static_assert(std::size(FullWidth) == HalfWidthLast - HalfWidthFirst + 1);

// The voiced or semi-voiced full-width letter for a half-width letter and mark, or 0 when the
// letter has none in JIS X 0208 (the set a Shift_JIS page can hold).
char16_t combinedKana(char16_t letter, char16_t mark) {
    const char16_t full = FullWidth[letter - HalfWidthFirst];
    const bool kaToTo = letter >= u'ｶ' && letter <= u'ﾄ';
    const bool haToHo = letter >= u'ﾊ' && letter <= u'ﾎ';
    if (mark == HalfWidthVoiced) {
        if (letter == u'ｳ')
            return u'ヴ';
        return kaToTo || haToHo ? char16_t(full + 1) : 0;
    }
    return haToHo ? char16_t(full + 2) : 0;
}

// One pass, in place (the text never grows): widens half-width katakana, joining a letter with
// the voiced mark right after it; drops CR, LF and TAB; turns each run of n spaces left after
// that into n mod 2 spaces.
void widenKanaAndSqueeze(QString& text) {
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    const char16_t* const end = begin + text.size();
    char16_t* out = begin;
    bool pendingSpace = false;
    for (const char16_t* in = begin; in < end; ++in) {
        char16_t c = *in;
        const bool plain = c > u' ' && (c < HalfWidthFirst || c > HalfWidthLast);
        if (plain && !pendingSpace) {
            *out++ = c;
            continue;
        }
        if (c == u'\r' || c == u'\n' || c == u'\t')
            continue;
        if (c == u' ') {
            pendingSpace = !pendingSpace;
            continue;
        }
        if (c >= HalfWidthFirst && c <= HalfWidthLast) {
            const char16_t next = in + 1 < end ? in[1] : 0;
            const char16_t combined =
                next == HalfWidthVoiced || next == HalfWidthSemiVoiced ? combinedKana(c, next) : 0;
            c = combined ? combined : FullWidth[c - HalfWidthFirst];
            in += combined ? 1 : 0;
        }
        if (pendingSpace) {
            *out++ = u' ';
            pendingSpace = false;
        }
        *out++ = c;
    }
    if (pendingSpace)
        *out++ = u' ';
    text.truncate(out - begin);
}

struct Reference {
    std::u16string_view name; // what follows the ampersand
    char16_t character;
};

// Decoded in this order; a later one never applies to text an earlier one produced, except
// through the ampersand that "&amp;" and "&#38;" leave behind.
constexpr Reference References[] = {
    {u"lt;", u'<'},  {u"gt;", u'>'},  {u"amp;", u'&'}, {u"apos;", u'\''}, {u"quot;", u'"'}, {u"nbsp;", u' '},
    {u"#60;", u'<'}, {u"#62;", u'>'}, {u"#38;", u'&'}, {u"#39;", u'\''},  {u"#34;", u'"'},  {u"#160;", u' '},
};
constexpr int ReferenceCount = int(std::size(References));

// The index of the first reference after `after` whose name starts rest, or -1.
int referenceAt(std::u16string_view rest, int after) {
    for (int i = after + 1; i < ReferenceCount; ++i) {
        if (rest.starts_with(References[i].name))
            return i;
    }
    return -1;
}

// Decoding the twelve references one after the other, each over the whole text without
// rescanning its own output, equals this single pass: at an ampersand, the first matching
// reference applies; when it yields an ampersand again, only references later in the order can
// apply to that ampersand and the text behind it. The text only shrinks, so it works in place.
void decodeReferences(QString& text) {
    const qsizetype at = text.indexOf(u'&');
    if (at < 0)
        return;
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    const char16_t* const end = begin + text.size();
    char16_t* out = begin + at;
    const char16_t* in = out;
    while (in < end) {
        const qsizetype next = QStringView(in, end).indexOf(u'&');
        const char16_t* amp = next < 0 ? end : in + next;
        if (out != in)
            std::memmove(out, in, size_t(amp - in) * sizeof(char16_t));
        out += amp - in;
        if (amp == end)
            break;
        char16_t produced = u'&';
        in = amp + 1;
        for (int step = referenceAt({in, size_t(end - in)}, -1); step >= 0;
             step = produced == u'&' ? referenceAt({in, size_t(end - in)}, step) : -1) {
            produced = References[step].character;
            in += References[step].name.size();
        }
        *out++ = produced;
    }
    text.truncate(out - begin);
}

// Compares the text at pos with an upper-case ASCII marker as if the text were upper-cased.
bool markerAt(QStringView text, qsizetype pos, std::u16string_view marker) {
    if (text.size() - pos < qsizetype(marker.size()))
        return false;
    for (size_t i = 0; i < marker.size(); ++i) {
        const QChar c = text[pos + qsizetype(i)];
        if (c.unicode() != marker[i] && c.toUpper().unicode() != marker[i])
            return false;
    }
    return true;
}

struct StripMarker {
    std::u16string_view text;
    int step; // change of the nesting counter
};

constexpr StripMarker StripMarkers[] = {
    {u"<!--", +1},    {u"-->", -1},       {u"<STYLE", +1},  {u"STYLE>", -1},
    {u"<SCRIPT", +1}, {u"<NOSCRIPT", +1}, {u"SCRIPT>", -1},
};

const StripMarker* stripMarkerAt(QStringView text, qsizetype pos) {
    const char16_t first = text[pos].unicode();
    if (first != u'<' && first != u'-' && text[pos].toUpper() != u'S')
        return nullptr;
    for (const StripMarker& marker : StripMarkers) {
        if (markerAt(text, pos, marker.text))
            return &marker;
    }
    return nullptr;
}

} // namespace

QString normalisePageText(const QByteArray& bytes, const QByteArray& contentType) {
    if (bytes.isEmpty())
        return {};
    std::optional<QString> text = decodePageBytes(bytes, contentType);
    return text ? normaliseText(*std::move(text)) : QString();
}

QString normaliseText(QString text) {
    widenKanaAndSqueeze(text);
    decodeReferences(text);
    return text;
}

QString stripPageText(const QString& text, const StopSignal& shouldStop) {
    constexpr qsizetype StopCheckInterval = 1 << 16;
    QString result;
    result.reserve(text.size());
    int depth = 0;
    bool outsideTag = false;
    bool inTitle = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        if (pos % StopCheckInterval == 0 && stopRequested(shouldStop))
            return result;
        if (const StripMarker* marker = stripMarkerAt(text, pos)) {
            depth += marker->step;
            pos += qsizetype(marker->text.size());
            continue;
        }
        const QChar c = text[pos];
        if (depth == 0) {
            if (c == u'<') {
                outsideTag = false;
                inTitle = markerAt(text, pos, u"<TITLE");
            } else if (c == u'>') {
                outsideTag = true;
            } else if (outsideTag && !inTitle) {
                result.append(c);
            }
        }
        ++pos;
    }
    return result;
}
