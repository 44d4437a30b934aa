#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The table codec's grid of text values, fields x records, both numbered from 1. A new table has
// one record whose fields are all empty, which is also what an empty text parses as.
class DataTable {
public:
    explicit DataTable(int fieldCount = 1);

    int fieldCount() const { return m_fieldCount; }
    int recordCount() const { return static_cast<int>(m_records.size()); }

    void setValue(int field, int record, const QString& text);

    // Record r of the table is element r - 1, each with fieldCount values.
    const QList<QStringList>& records() const { return m_records; }
    void appendRecord(); // a record of empty values
    // Drops every record and leaves one empty record.
    void clear();

private:
    int m_fieldCount;
    QList<QStringList> m_records;
};
