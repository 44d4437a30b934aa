#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A table of text values, fields x records, both numbered from 1. A new table has one record
// whose fields are all empty, which is also what an empty data file loads as.
class DataTable {
public:
    explicit DataTable(int fieldCount = 1);

    int fieldCount() const { return m_fieldCount; }
    int recordCount() const { return static_cast<int>(m_records.size()); }

    // Out-of-range positions read as empty text.
    QString value(int field, int record) const;
    void setValue(int field, int record, const QString& text);

    const QStringList& record(int record) const { return m_records.at(record - 1); }
    void appendRecord(QStringList fields = {});
    // Drops every record and leaves one empty record.
    void clear();

    bool operator==(const DataTable&) const = default;

private:
    int m_fieldCount;
    QList<QStringList> m_records;
};

// Field numbers of url.txt and filter.txt records.
namespace PageField {
enum : int { Enabled = 1, URL, Name, Label, UserName, Password, Count = Password };
}
namespace RuleField {
enum : int { Enabled = 1, Name, Header, Footer, Exclusions, Count = Exclusions };
}

// A flag field is on when it reads as a non-zero number or as the word "True" (any case).
bool IsFlagOn(const QString& field);
