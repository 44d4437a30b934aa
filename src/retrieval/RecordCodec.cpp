#include "retrieval/RecordCodec.h"

#include "retrieval/TableCodec.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int PageFieldCount = 6; // Enabled, URL, Name, Label, UserName, Password
constexpr int RuleFieldCount = 5; // Enabled, Name, Header, Footer, Exclusions

const QString LineEnd = u"\r\n"_s;

bool isFlagOn(const QString& field) {
    const QString text = field.trimmed();
    if (text.compare(u"true"_s, Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0;
}

// Flags are written "1" or "0"; a blank record stays a line of empty fields.
QString flagText(bool enabled, bool blank) {
    if (blank)
        return {};
    return enabled ? u"1"_s : u"0"_s;
}

PageRecord pageFrom(const QStringList& fields) {
    return {isFlagOn(fields[0]), fields[1], fields[2], fields[3], fields[4], fields[5]};
}

QStringList fieldsOf(const PageRecord& page) {
    return {flagText(page.Enabled, page.isBlank()),
            page.URL,
            page.Name,
            page.Label,
            page.UserName,
            page.Password};
}

RuleRecord ruleFrom(const QStringList& fields) {
    return {isFlagOn(fields[0]), fields[1], fields[2], fields[3], parseExclusions(fields[4])};
}

QStringList fieldsOf(const RuleRecord& rule) {
    return {flagText(rule.Enabled, rule.isBlank()), rule.Name, rule.Header, rule.Footer,
            formatExclusions(rule.Exclusions)};
}

template <typename Record>
QList<Record> recordsFrom(const QString& text, int fieldCount, Record (*recordFrom)(const QStringList&)) {
    QList<Record> records;
    for (const QStringList& fields : parseRecords(text, fieldCount))
        records.append(recordFrom(fields));
    return records;
}

template <typename Record> QString textOf(const QList<Record>& records, int fieldCount) {
    QList<QStringList> fields;
    fields.reserve(records.size());
    for (const Record& record : records)
        fields.append(fieldsOf(record));
    return formatRecords(fields, fieldCount);
}

} // namespace

QList<PageRecord> parsePages(const QString& text) {
    return recordsFrom(text, PageFieldCount, pageFrom);
}

QString formatPages(const QList<PageRecord>& pages) {
    return textOf(pages, PageFieldCount);
}

QList<RuleRecord> parseRules(const QString& text) {
    return recordsFrom(text, RuleFieldCount, ruleFrom);
}

QString formatRules(const QList<RuleRecord>& rules) {
    return textOf(rules, RuleFieldCount);
}

// Exclusion words are separated by single spaces, so two spaces in a row hold an empty word.
QStringList parseExclusions(const QString& text) {
    return text.isEmpty() ? QStringList() : text.split(u' ');
}

QString formatExclusions(const QStringList& exclusions) {
    return exclusions.join(u' ');
}

QStringList parseKeywords(const QString& text) {
    if (text.isEmpty())
        return {};
    return text.split(LineEnd);
}

QString formatKeywords(const QStringList& keywords) {
    return keywords.join(LineEnd);
}
