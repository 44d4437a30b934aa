// The codec of url.txt and filter.txt: parseTable fills a whole grid from any text, formatTable
// writes any grid so that parseTable reads the same values back, and page and rule records write
// back as they were read.
// Input: the data file's bytes; then two option bytes: the field count (1..8, default 6) and the
// delimiters (the files' own, another fixed set, or ones taken from the input); then values, split
// at U+001F, for a grid written and read back.
#include "FuzzInput.h"
#include "base/AnsiText.h"
#include "retrieval/DataTable.h"
#include "retrieval/RecordCodec.h"
#include "retrieval/TableCodec.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Delimiters {
    QString separator = u","_s;
    QString lineEnd = u"\r\n"_s;
    QChar quote = u'"';
    bool roundTrips = true; // formatTable's output reads back; not so for arbitrary delimiters
};

Delimiters delimitersFrom(const QByteArray& options) {
    const int choice = options.size() > 1 ? static_cast<unsigned char>(options.at(1)) % 3 : 0;
    if (choice == 1)
        return {u";"_s, u"\n"_s, u'\'', true};
    if (choice == 2 && options.size() >= 5) {
        const QString chosen = QString::fromLatin1(options.sliced(2, 3));
        return {chosen.first(1), chosen.sliced(1, 1 + static_cast<unsigned char>(options.at(2)) % 2),
                chosen.at(2), false};
    }
    return {};
}

bool hasFullShape(const DataTable& table, int records) {
    const auto fullRecord = [&](const QStringList& values) { return values.size() == table.fieldCount(); };
    return records >= 1 && records == table.recordCount() &&
           std::all_of(table.records().cbegin(), table.records().cend(), fullRecord);
}

void checkReadsBack(const DataTable& table, const Delimiters& delimiters) {
    const QString text = formatTable(table, delimiters.separator, delimiters.lineEnd, delimiters.quote);
    DataTable parsed(table.fieldCount());
    const int records = parseTable(text, parsed, delimiters.separator, delimiters.lineEnd, delimiters.quote);
    FUZZ_CHECK(hasFullShape(parsed, records));
    if (delimiters.roundTrips)
        FUZZ_CHECK(parsed.records() == table.records());
}

// The page and rule records of url.txt and filter.txt write back as they were read.
void checkRecordsReadBack(const QString& text) {
    const QList<PageRecord> pages = parsePages(text);
    FUZZ_CHECK(parsePages(formatPages(pages)) == pages);
    const QList<RuleRecord> rules = parseRules(text);
    FUZZ_CHECK(parseRules(formatRules(rules)) == rules);
}

// Values filled in record by record.
DataTable gridOf(const QStringList& values, int fieldCount) {
    DataTable table(fieldCount);
    for (qsizetype i = 0; i < values.size(); ++i) {
        const int record = int(i / fieldCount) + 1;
        if (record > table.recordCount())
            table.appendRecord();
        table.setValue(int(i % fieldCount) + 1, record, values.at(i));
    }
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = splitFuzzInput(data, size, 3);
    const QByteArray& options = parts.at(1);
    const int fieldCount = options.isEmpty() ? 6 : static_cast<unsigned char>(options.at(0)) % 8 + 1;
    const Delimiters delimiters = delimitersFrom(options);

    const QString text = decodeAnsiText(parts.at(0));
    DataTable table(fieldCount);
    const int records = parseTable(text, table, delimiters.separator, delimiters.lineEnd, delimiters.quote);
    FUZZ_CHECK(hasFullShape(table, records));
    checkReadsBack(table, delimiters);
    checkRecordsReadBack(text);
    if (!parts.at(2).isEmpty())
        checkReadsBack(gridOf(QString::fromUtf8(parts.at(2)).split(u'\x1f'), fieldCount), delimiters);
    return 0;
}
