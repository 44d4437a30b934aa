#pragma once

#include "settings/ui/OptionsForm.h"

class QWidget;

// The five pages of the options dialog. Each lays its controls out and hands those the dialog reads
// and wires to form; every control also carries the object name its tests find it by.
namespace OptionsPages {

QWidget* general(OptionsForm& form);    // "全般": update and display timing
QWidget* extraction(OptionsForm& form); // "抽出と表示": rules, keywords, colours, font
QWidget* network(OptionsForm& form);    // "ネットワーク": proxy and dial-up
QWidget* sound(OptionsForm& form);      // "サウンド": sound files
QWidget* other(OptionsForm& form);      // "その他": window and start-up

} // namespace OptionsPages
