#pragma once

#include "retrieval/DataTable.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// The CSV-like codec of url.txt and filter.txt, with the quirks that existing data files rely
// on. table must come in with its field count set; parseTable replaces its records
// (one per line) and returns the record count. An empty text gives one empty record.
int parseTable(const QString& text, DataTable& table, const QString& separator = QStringLiteral(","),
               const QString& lineEnd = QStringLiteral("\r\n"), QChar quote = u'"');

// Every field quoted with inner quotes doubled, fields joined by separator, every record
// followed by lineEnd.
QString formatTable(const DataTable& table, const QString& separator = QStringLiteral(","),
                    const QString& lineEnd = QStringLiteral("\r\n"), QChar quote = u'"');

// The records of a data file as lists of exactly fieldCount values, parsed as parseTable does. An
// empty text has no record; a blank line is a record of empty values.
QList<QStringList> parseRecords(const QString& text, int fieldCount);

// The text of records as formatTable writes them, each with fieldCount values (missing ones
// empty); no record gives an empty text.
QString formatRecords(const QList<QStringList>& records, int fieldCount,
                      const QString& separator = QStringLiteral(","),
                      const QString& lineEnd = QStringLiteral("\r\n"), QChar quote = u'"');
