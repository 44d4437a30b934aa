#include "editors/RuleDescription.h"

#include "retrieval/RecordCodec.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype LongestWhole = 40;
constexpr qsizetype ShortenedLength = 38;

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

} // namespace

QString ShortenedText(const QString& text) {
    if (text.size() <= LongestWhole)
        return text;
    return text.left(ShortenedLength) + u"..."_s;
}

QStringList RuleDescription(const RuleRecord& rule) {
    QStringList lines{Quoted(ShortenedText(rule.Header)) + u" から"_s,
                      Quoted(rule.Footer) + u" までの間を抽出する"_s};
    if (!rule.Exclusions.isEmpty())
        lines.append(u"ただし "_s + Quoted(ShortenedText(FormatExclusions(rule.Exclusions))) +
                     u" のいずれかを含んでいたら抽出しない"_s);
    return lines;
}
