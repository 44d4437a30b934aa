#include "display/MessageSegments.h"

using namespace Qt::StringLiterals;

namespace {

// The first keyword, in list order, that stands in text at position.
const QString* keywordAt(const QString& text, qsizetype position, const QStringList& keywords) {
    const QStringView rest = QStringView(text).mid(position);
    for (const QString& keyword : keywords) {
        if (!keyword.isEmpty() && rest.startsWith(keyword, Qt::CaseSensitive))
            return &keyword;
    }
    return nullptr;
}

} // namespace

KeywordColouring colourKeywords(const QString& label, const QString& text, const QStringList& keywords) {
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
        const QString* keyword = keywordAt(text, position, keywords);
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

QString messageText(const InfoItem& item, const QList<RuleRecord>& rules, const AppSettings& settings) {
    if (settings.ShowFilter && item.rule > 0)
        return numberedRecord(rules, item.rule).Name + item.text;
    return item.text;
}

QString messageLabel(const InfoItem& item, const QList<PageRecord>& pages, const AppSettings& settings) {
    // The default message's page number 0 lies outside the list and reads as no label.
    return settings.ShowTitle ? numberedRecord(pages, item.page).Label : QString();
}

KeywordColouring colourItem(const InfoItem& item, const DataSet& tables, const AppSettings& settings) {
    KeywordColouring colouring = colourKeywords(messageLabel(item, tables.pages, settings),
                                                messageText(item, tables.rules, settings), tables.keywords);
    if (item.isNew)
        colouring.runs.prepend({QString::fromUtf16(NewItemMarker), RunRole::NewMarker});
    return colouring;
}
