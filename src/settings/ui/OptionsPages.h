#pragma once

class QWidget;

// The five pages of the options dialog. Every control carries the object name by which the dialog
// and its tests find it; the pages lay their controls out and nothing more.
namespace OptionsPages {

QWidget* General();    // "全般": update and display timing
QWidget* Extraction(); // "抽出と表示": rules, keywords, colours, font
QWidget* Network();    // "ネットワーク": proxy and dial-up
QWidget* Sound();      // "サウンド": sound files
QWidget* Other();      // "その他": window and start-up

} // namespace OptionsPages
