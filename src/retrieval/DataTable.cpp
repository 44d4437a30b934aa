#include "retrieval/DataTable.h"

using namespace Qt::StringLiterals;

DataTable::DataTable(int fieldCount)
    : m_fieldCount(fieldCount) {
    Q_ASSERT(fieldCount >= 1);
    appendRecord();
}

QString DataTable::value(int field, int record) const {
    if (field < 1 || field > m_fieldCount || record < 1 || record > recordCount())
        return {};
    return m_records.at(record - 1).at(field - 1);
}

void DataTable::setValue(int field, int record, const QString& text) {
    Q_ASSERT(field >= 1 && field <= m_fieldCount && record >= 1 && record <= recordCount());
    m_records[record - 1][field - 1] = text;
}

void DataTable::appendRecord(QStringList fields) {
    fields.resize(m_fieldCount);
    m_records.append(std::move(fields));
}

void DataTable::clear() {
    m_records.clear();
    appendRecord();
}

bool IsFlagOn(const QString& field) {
    const QString text = field.trimmed();
    if (text.compare(u"true"_s, Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0;
}
