#include "retrieval/TableCodec.h"

#include <QList>
#include <QStringView>

using namespace Qt::StringLiterals;

namespace {

struct Line {
    QStringView text;
    bool endsWithLineEnd = false;
};

// The lines of text; a line end at the very end of the text starts no further line.
QList<Line> splitLines(const QString& text, const QString& lineEnd) {
    const QList<QStringView> parts = QStringView(text).split(lineEnd);
    QList<Line> lines;
    for (qsizetype i = 0; i < parts.size(); ++i)
        lines.append({parts.at(i), i + 1 < parts.size()});
    if (lines.size() > 1 && lines.constLast().text.isEmpty())
        lines.removeLast();
    return lines;
}

// Reads records with the quirks of existing CP932 data files, so that files written earlier, and
// files edited by hand, load with the same values.
class TableParser {
public:
    TableParser(const QString& text, DataTable& table, const QString& separator, const QString& lineEnd,
                QChar quote)
        : m_lines(splitLines(text, lineEnd))
        , m_table(table)
        , m_separator(separator)
        , m_lineEnd(lineEnd)
        , m_quote(quote) {}

    int parse() {
        m_table.clear();
        int records = 0;
        while (m_index < m_lines.size()) {
            if (++records > 1)
                m_table.appendRecord();
            parseRecord(records);
        }
        return records;
    }

private:
    // Consumes the record's first line and any continuation lines of a quoted field.
    void parseRecord(int record) {
        m_record = record;
        m_line = m_lines.at(m_index).text;
        m_position = 0;
        for (int field = 1;; ++field) {
            const bool more = m_position < m_line.size() && m_line.at(m_position) == m_quote
                                  ? parseQuotedField(field)
                                  : parseUnquotedField(field);
            if (!more)
                break;
        }
        ++m_index;
    }

    // Returns whether another field follows on the line.
    bool parseUnquotedField(int field) {
        const qsizetype end = m_line.indexOf(m_separator, m_position);
        if (end < 0) {
            store(field, m_line.mid(m_position).toString());
            return false;
        }
        store(field, m_line.mid(m_position, end - m_position).toString());
        m_position = end + m_separator.size();
        return true;
    }

    bool parseQuotedField(int field) {
        QString value;
        ++m_position;
        for (;;) {
            const qsizetype quoteAt = m_line.indexOf(m_quote, m_position);
            if (quoteAt < 0) {
                if (continueOnNextLine(value))
                    continue;
                store(field, value);
                return false;
            }
            value += m_line.mid(m_position, quoteAt - m_position);
            // A doubled quote stands for one, even at the end of a line: that is how a value with a
            // quote right before a line break is written.
            if (quoteAt + 1 < m_line.size() && m_line.at(quoteAt + 1) == m_quote) {
                value += m_quote;
                m_position = quoteAt + 2;
                continue;
            }
            // A closing quote at the line's last or second-last place ends the record; a character
            // behind it is dropped. (The field after a quoted last field is empty anyway.)
            if (quoteAt >= m_line.size() - 2) {
                store(field, value);
                return false;
            }
            if (m_line.mid(quoteAt + 1).startsWith(m_separator)) {
                store(field, value);
                m_position = quoteAt + 1 + m_separator.size();
                return true;
            }
            m_position = quoteAt + 1; // a lone quote is dropped
        }
    }

    // The quoted field runs past the end of the line: its value takes the line end, and the next
    // line continues it. Returns false when the field ends here.
    bool continueOnNextLine(QString& value) {
        value += m_line.mid(m_position);
        if (!m_lines.at(m_index).endsWithLineEnd)
            return false;
        value += m_lineEnd;
        if (m_index + 1 >= m_lines.size())
            return false; // the text ends with this line end
        const Line& next = m_lines.at(++m_index);
        if (!next.endsWithLineEnd && !next.text.contains(m_separator)) {
            // The last line, without a separator, belongs to the value whole, quotes included.
            value += next.text;
            return false;
        }
        m_line = next.text;
        m_position = 0;
        return true;
    }

    void store(int field, const QString& value) {
        if (field <= m_table.fieldCount())
            m_table.setValue(field, m_record, value);
    }

    const QList<Line> m_lines;
    DataTable& m_table;
    const QString& m_separator;
    const QString& m_lineEnd;
    const QChar m_quote;
    qsizetype m_index = 0;
    int m_record = 0;
    QStringView m_line;
    qsizetype m_position = 0;
};

} // namespace

int parseTable(const QString& text, DataTable& table, const QString& separator, const QString& lineEnd,
               QChar quote) {
    Q_ASSERT(!separator.isEmpty() && !lineEnd.isEmpty());
    return TableParser(text, table, separator, lineEnd, quote).parse();
}

QString formatTable(const DataTable& table, const QString& separator, const QString& lineEnd, QChar quote) {
    return formatRecords(table.records(), table.fieldCount(), separator, lineEnd, quote);
}

QList<QStringList> parseRecords(const QString& text, int fieldCount) {
    if (text.isEmpty())
        return {};
    DataTable table(fieldCount);
    parseTable(text, table);
    return table.records();
}

QString formatRecords(const QList<QStringList>& records, int fieldCount, const QString& separator,
                      const QString& lineEnd, QChar quote) {
    const QString doubledQuote = QString(2, quote);
    QString text;
    for (const QStringList& record : records) {
        for (int field = 0; field < fieldCount; ++field) {
            if (field > 0)
                text += separator;
            text += quote + QString(record.value(field)).replace(quote, doubledQuote) + quote;
        }
        text += lineEnd;
    }
    return text;
}
