#include "editors/RuleDescription.h"

#include "retrieval/RecordCodec.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype LongestWhole = 40;
constexpr qsizetype ShortenedLength = 38;

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

} // namespace

QString shortenedText(const QString& text) {
    if (text.size() <= LongestWhole)
        return text;
    return text.left(ShortenedLength) + u"..."_s;
}

QStringList ruleDescription(const RuleRecord& rule) {
    QStringList lines{quoted(shortenedText(rule.Header)) + u" から"_s,
                      quoted(rule.Footer) + u" までの間を抽出する"_s};
    if (!rule.Exclusions.isEmpty())
        lines.append(u"ただし "_s + quoted(shortenedText(formatExclusions(rule.Exclusions))) +
                     u" のいずれかを含んでいたら抽出しない"_s);
    return lines;
}
