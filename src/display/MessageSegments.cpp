#include "display/MessageSegments.h"

using namespace Qt::StringLiterals;

namespace {

// The first keyword, in list order, that stands in text at position.
const QString* KeywordAt(const QString& text, qsizetype position, const QStringList& keywords) {
    const QStringView rest = QStringView(text).mid(position);
    for (const QString& keyword : keywords) {
        if (!keyword.isEmpty() && rest.startsWith(keyword, Qt::CaseSensitive))
            return &keyword;
    }
    return nullptr;
}

} // namespace

KeywordColouring ColourKeywords(const QString& label, const QString& text, const QStringList& keywords) {
    KeywordColouring result;
    if (!label.isEmpty())
        result.runs.append({label, RunRole::Label});
    qsizetype plainStart = 0;
    auto flushPlain = [&](qsizetype end) {
        if (end > plainStart)
            result.runs.append({text.mid(plainStart, end - plainStart), RunRole::Plain});
    };
    qsizetype position = 0;
    while (position < text.size()) {
        const QString* keyword = KeywordAt(text, position, keywords);
        if (!keyword) {
            ++position;
            continue;
        }
        flushPlain(position);
        result.runs.append({*keyword, RunRole::Keyword});
        result.keywordFound = true;
        position += keyword->size();
        plainStart = position;
    }
    flushPlain(text.size());
    return result;
}

QString MessageText(const InfoItem& item, const QList<RuleRecord>& rules, const AppSettings& settings) {
    if (settings.ShowFilter && item.rule > 0)
        return NumberedRecord(rules, item.rule).Name + item.text;
    return item.text;
}

QString MessageLabel(const InfoItem& item, const QList<PageRecord>& pages, const AppSettings& settings) {
    // The default message's page number 0 lies outside the list and reads as no label.
    return settings.ShowTitle ? NumberedRecord(pages, item.page).Label : QString();
}

KeywordColouring ColourItem(const InfoItem& item, const DataSet& tables, const AppSettings& settings) {
    return ColourKeywords(MessageLabel(item, tables.pages, settings),
                          MessageText(item, tables.rules, settings), tables.keywords);
}
