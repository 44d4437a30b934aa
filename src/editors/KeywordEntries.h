#pragma once

#include <QStringList>

// The keyword dialog lists the non-empty keywords; blank lines of the keyword file are not shown.
QStringList listedKeywords(const QStringList& keywords);
// The keywords the dialog hands back: an empty list is stored as one empty keyword, which the
// keyword file holds as an empty text.
QStringList storedKeywords(const QStringList& listed);
