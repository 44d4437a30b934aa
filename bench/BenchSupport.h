#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

// A train-delay page: a table of rowCount rows, each with a line name, a bold status and a delay
// cell, with half-width katakana, character references and CR LF line ends as real pages have.
QString generateDelayPage(int rowCount, quint32 seed = 412);

// Encodes with an ICU converter ("windows-31j", "EUC-JP", ...); stops the program on failure.
QByteArray encodePage(const QString& text, const char* converterName);

double median(QList<double> values);

bool writeBenchFile(const QString& path, const QByteArray& bytes);

// The two rules the benchmarks extract with: the delay cell (without test runs) and the bold status.
QByteArray delayRulesFile();

// A program folder with a copy of sorvanta-check (the one built beside the benchmarks, or another
// given) and url.txt (the given pages, all enabled), filter.txt and Sorvanta.ini beside it, to be
// run with /singleuser. Returns the copied executable, or nullopt when the folder could not be
// prepared.
std::optional<QString>
prepareCheckFolder(const QString& folder, const QStringList& urls, const QString& iniLines,
                   const QString& checkBinary = QString::fromUtf8(SORVANTA_CHECK_BINARY));

// The environment for a child process: HOME and the XDG folders below home, no proxy variables.
QProcessEnvironment isolatedEnvironment(const QString& home);
