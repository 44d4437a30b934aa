#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The characters a named character reference of HTML stands for ("nbsp" gives U+00A0, "hellip"
// U+2026), case-sensitively, without the "&" and ";". nullopt for a name HTML does not know.
std::optional<QString> HtmlNamedReference(QStringView name);
