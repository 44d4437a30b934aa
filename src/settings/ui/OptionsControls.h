#pragma once

#include "settings/AppSettings.h"
#include "settings/ui/OptionsForm.h"

// Which control of the options dialog shows which setting. The fields without a control (proxy,
// font, position, ...) are left alone both ways.
namespace OptionsControls {

void show(const OptionsForm& form, const AppSettings& settings);
// Copies the controls over settings. A number box whose text is not a number leaves its field.
void read(const OptionsForm& form, AppSettings& settings);

} // namespace OptionsControls
