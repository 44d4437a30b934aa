#pragma once

#include "settings/AppSettings.h"

class QWidget;

// Which control of the options dialog shows which setting, by the controls' object names. The
// fields without a control (proxy, font, position, ...) are left alone both ways.
namespace OptionsControls {

void Show(QWidget* form, const AppSettings& settings);
// Copies the controls over settings. A number box whose text is not a number leaves its field.
void Read(const QWidget* form, AppSettings& settings);

} // namespace OptionsControls
