#include "retrieval/DataTable.h"

DataTable::DataTable(int fieldCount)
    : m_fieldCount(fieldCount) {
    Q_ASSERT(fieldCount >= 1);
    appendRecord();
}

void DataTable::setValue(int field, int record, const QString& text) {
    Q_ASSERT(field >= 1 && field <= m_fieldCount && record >= 1 && record <= recordCount());
    m_records[record - 1][field - 1] = text;
}

void DataTable::appendRecord() {
    m_records.append(QStringList(m_fieldCount));
}

void DataTable::clear() {
    m_records.clear();
    appendRecord();
}
