#include "editors/RuleDescription.h"

#include "retrieval/RecordCodec.h"

#include <QCoreApplication>

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
    QStringList lines{
        QCoreApplication::translate("RuleDescription", "%1 から").arg(quoted(shortenedText(rule.Header))),
        QCoreApplication::translate("RuleDescription", "%1 までの間を抽出する").arg(quoted(rule.Footer))};
    if (!rule.Exclusions.isEmpty())
        lines.append(
            QCoreApplication::translate("RuleDescription", "ただし %1 のいずれかを含んでいたら抽出しない")
                .arg(quoted(shortenedText(formatExclusions(rule.Exclusions)))));
    return lines;
}
