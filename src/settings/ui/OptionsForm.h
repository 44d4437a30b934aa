#pragma once

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// One sound row of the options dialog: the file box, "..." to browse for a file, "テスト" to play it.
struct SoundRow {
    QLineEdit* file = nullptr;
    QToolButton* browse = nullptr;
    QPushButton* test = nullptr;
};

// The controls of the options dialog that it reads, fills and wires, as the pages build them.
// Their object names are for tests and accessibility only.
struct OptionsForm {
    // 全般
    QCheckBox* autoReload = nullptr;
    QSpinBox* autoReloadDelay = nullptr;
    QCheckBox* quietHours = nullptr;
    QSpinBox* quietFrom = nullptr;
    QSpinBox* quietTo = nullptr;
    QCheckBox* loadAtFirst = nullptr;
    QCheckBox* showProgress = nullptr;
    QCheckBox* hideErrors = nullptr;
    QCheckBox* showOnUpdate = nullptr;
    QCheckBox* showInTurn = nullptr;
    QSpinBox* showInfoDelay = nullptr;
    QCheckBox* showDefaultMessage = nullptr;
    // 抽出と表示
    QPushButton* rules = nullptr;
    QCheckBox* ignoreExclusions = nullptr;
    QCheckBox* wholeTextInstead = nullptr;
    QPushButton* keywords = nullptr;
    QCheckBox* showLabel = nullptr;
    QCheckBox* showRuleName = nullptr;
    QCheckBox* allOrange = nullptr;
    QCheckBox* lessFlicker = nullptr;
    QPushButton* font = nullptr;
    // ネットワーク
    QPushButton* proxy = nullptr;
    QCheckBox* autoDialing = nullptr;
    QCheckBox* autoHangup = nullptr;
    // サウンド
    QCheckBox* updateSoundOn = nullptr;
    QCheckBox* itemSoundOn = nullptr;
    SoundRow updateSound;  // at each update
    SoundRow keywordSound; // an item holding a keyword
    SoundRow plainSound;   // an item without one
    SoundRow noMatchSound; // a page nothing was cut from
    // その他
    QCheckBox* nextOnClick = nullptr;
    QCheckBox* taskbarEntry = nullptr;
    QCheckBox* keepPosition = nullptr;
    QCheckBox* topMost = nullptr;
    QCheckBox* exitOnDoubleClick = nullptr;
    QCheckBox* notifyNewKeyword = nullptr;
    QSpinBox* zoom = nullptr;
    QCheckBox* runAtLogon = nullptr;

    // The sound rows in the order of their settings, SoundFile1 to SoundFile4.
    std::array<SoundRow*, 4> soundRows() { return {&updateSound, &keywordSound, &plainSound, &noMatchSound}; }
};
