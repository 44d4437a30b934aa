#pragma once

#include "retrieval/DataTable.h"

#include <QChar>
#include <QString>

// The CSV-like codec of url.txt and filter.txt, with the quirks that existing data files rely
// on. table must come in with its field count set; ParseTable replaces its records
// (one per line) and returns the record count. An empty text gives one empty record.
int ParseTable(const QString& text, DataTable& table, const QString& separator = QStringLiteral(","),
               const QString& lineEnd = QStringLiteral("\r\n"), QChar quote = u'"');

// Every field quoted with inner quotes doubled, fields joined by separator, every record
// followed by lineEnd.
QString FormatTable(const DataTable& table, const QString& separator = QStringLiteral(","),
                    const QString& lineEnd = QStringLiteral("\r\n"), QChar quote = u'"');
