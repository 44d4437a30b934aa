// The codec of url.txt and filter.txt: ParseTable fills a whole grid from any text, FormatTable
// writes any grid so that ParseTable reads the same values back, and page and rule records write
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
    bool roundTrips = true; // FormatTable's output reads back; not so for arbitrary delimiters
};

Delimiters DelimitersFrom(const QByteArray& options) {
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

bool HasFullShape(const DataTable& table, int records) {
    const auto fullRecord = [&](const QStringList& values) { return values.size() == table.fieldCount(); };
    return records >= 1 && records == table.recordCount() &&
           std::all_of(table.records().cbegin(), table.records().cend(), fullRecord);
}

void CheckReadsBack(const DataTable& table, const Delimiters& delimiters) {
    const QString text = FormatTable(table, delimiters.separator, delimiters.lineEnd, delimiters.quote);
    DataTable parsed(table.fieldCount());
    const int records = ParseTable(text, parsed, delimiters.separator, delimiters.lineEnd, delimiters.quote);
    FUZZ_CHECK(HasFullShape(parsed, records));
    if (delimiters.roundTrips)
        FUZZ_CHECK(parsed.records() == table.records());
}

// The page and rule records of url.txt and filter.txt write back as they were read.
void CheckRecordsReadBack(const QString& text) {
    const QList<PageRecord> pages = ParsePages(text);
    FUZZ_CHECK(ParsePages(FormatPages(pages)) == pages);
    const QList<RuleRecord> rules = ParseRules(text);
    FUZZ_CHECK(ParseRules(FormatRules(rules)) == rules);
}

// Values filled in record by record.
DataTable GridOf(const QStringList& values, int fieldCount) {
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
    const QList<QByteArray> parts = SplitFuzzInput(data, size, 3);
    const QByteArray& options = parts.at(1);
    const int fieldCount = options.isEmpty() ? 6 : static_cast<unsigned char>(options.at(0)) % 8 + 1;
    const Delimiters delimiters = DelimitersFrom(options);

    const QString text = DecodeAnsiText(parts.at(0));
    DataTable table(fieldCount);
    const int records = ParseTable(text, table, delimiters.separator, delimiters.lineEnd, delimiters.quote);
    FUZZ_CHECK(HasFullShape(table, records));
    CheckReadsBack(table, delimiters);
    CheckRecordsReadBack(text);
    if (!parts.at(2).isEmpty())
        CheckReadsBack(GridOf(QString::fromUtf8(parts.at(2)).split(u'\x1f'), fieldCount), delimiters);
    return 0;
}
