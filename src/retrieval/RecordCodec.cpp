#include "retrieval/RecordCodec.h"

#include "retrieval/TableCodec.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int PageFieldCount = 6; // Enabled, URL, Name, Label, UserName, Password
constexpr int RuleFieldCount = 5; // Enabled, Name, Header, Footer, Exclusions

const QString LineEnd = u"\r\n"_s;

bool IsFlagOn(const QString& field) {
    const QString text = field.trimmed();
    if (text.compare(u"true"_s, Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0;
}

// Flags are written "1" or "0"; a blank record stays a line of empty fields.
QString FlagText(bool enabled, bool blank) {
    if (blank)
        return {};
    return enabled ? u"1"_s : u"0"_s;
}

PageRecord PageFrom(const QStringList& fields) {
    return {IsFlagOn(fields[0]), fields[1], fields[2], fields[3], fields[4], fields[5]};
}

QStringList FieldsOf(const PageRecord& page) {
    return {FlagText(page.Enabled, page.isBlank()),
            page.URL,
            page.Name,
            page.Label,
            page.UserName,
            page.Password};
}

RuleRecord RuleFrom(const QStringList& fields) {
    return {IsFlagOn(fields[0]), fields[1], fields[2], fields[3], ParseExclusions(fields[4])};
}

QStringList FieldsOf(const RuleRecord& rule) {
    return {FlagText(rule.Enabled, rule.isBlank()), rule.Name, rule.Header, rule.Footer,
            FormatExclusions(rule.Exclusions)};
}

template <typename Record>
QList<Record> RecordsFrom(const QString& text, int fieldCount, Record (*recordFrom)(const QStringList&)) {
    QList<Record> records;
    for (const QStringList& fields : ParseRecords(text, fieldCount))
        records.append(recordFrom(fields));
    return records;
}

template <typename Record> QString TextOf(const QList<Record>& records, int fieldCount) {
    QList<QStringList> fields;
    fields.reserve(records.size());
    for (const Record& record : records)
        fields.append(FieldsOf(record));
    return FormatRecords(fields, fieldCount);
}

} // namespace

QList<PageRecord> ParsePages(const QString& text) {
    return RecordsFrom(text, PageFieldCount, PageFrom);
}

QString FormatPages(const QList<PageRecord>& pages) {
    return TextOf(pages, PageFieldCount);
}

QList<RuleRecord> ParseRules(const QString& text) {
    return RecordsFrom(text, RuleFieldCount, RuleFrom);
}

QString FormatRules(const QList<RuleRecord>& rules) {
    return TextOf(rules, RuleFieldCount);
}

// Exclusion words are separated by single spaces, so two spaces in a row hold an empty word.
QStringList ParseExclusions(const QString& text) {
    return text.isEmpty() ? QStringList() : text.split(u' ');
}

QString FormatExclusions(const QStringList& exclusions) {
    return exclusions.join(u' ');
}

QStringList ParseKeywords(const QString& text) {
    if (text.isEmpty())
        return {};
    return text.split(LineEnd);
}

QString FormatKeywords(const QStringList& keywords) {
    return keywords.join(LineEnd);
}
