#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The characters a named character reference of HTML stands for ("nbsp" gives U+00A0, "hellip"
// U+2026), case-sensitively, without the "&" and ";". nullopt for a name HTML does not know.
std::optional<QString> htmlNamedReference(QStringView name);

// Appends raw text with its character references decoded: numeric ones (a code point no text may
// hold becomes U+FFFD), XML's five and HTML's named ones. An "&" that starts none stays an "&".
void appendWithReferencesDecoded(QString& out, QStringView raw);
