#include "settings/ui/OptionsControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <array>
#include <cstdint>
#include <variant>

namespace {

using S = AppSettings;
using F = OptionsForm;

struct CheckBinding {
    QCheckBox* F::*control;
    bool S::*field;
};

struct NumberBinding {
    QSpinBox* F::*control;
    std::variant<std::int32_t S::*, std::int16_t S::*> field;
};

struct SoundBinding {
    SoundRow F::*row;
    QString S::*field;
};

// clang-format off
constexpr std::array<CheckBinding, 25> Checks = {{
    {&F::topMost, &S::TopMost},                    {&F::autoDialing, &S::AutoDialing},
    {&F::autoHangup, &S::AutoHangup},              {&F::loadAtFirst, &S::LoadAtFirst},
    {&F::autoReload, &S::AutoReload},              {&F::quietHours, &S::AutoReloadOff},
    {&F::showOnUpdate, &S::Notify},                {&F::showInTurn, &S::ShowInfo},
    {&F::showLabel, &S::ShowTitle},                {&F::showRuleName, &S::ShowFilter},
    {&F::wholeTextInstead, &S::ShowTextInstead},   {&F::showProgress, &S::ShowProgressDialog},
    {&F::hideErrors, &S::HideErrorDialog},         {&F::exitOnDoubleClick, &S::ShutdownByDblclick},
    {&F::nextOnClick, &S::ShowInfoByClick},        {&F::taskbarEntry, &S::ShowInTaskbar},
    {&F::updateSoundOn, &S::PlaySound1},           {&F::itemSoundOn, &S::PlaySound2},
    {&F::showDefaultMessage, &S::ShowDefaultMSG},  {&F::ignoreExclusions, &S::IgnoreExcept},
    {&F::runAtLogon, &S::AutoRun},                 {&F::keepPosition, &S::FixWindowPosition},
    {&F::allOrange, &S::Scroll_MonoColor},         {&F::lessFlicker, &S::Scroll_Shadow},
    {&F::notifyNewKeyword, &S::NotifyNewKeyword},
}};

const std::array<NumberBinding, 5> Numbers = {{
    {&F::autoReloadDelay, &S::AutoReloadDelay}, {&F::quietFrom, &S::AutoReloadOffFrom},
    {&F::quietTo, &S::AutoReloadOffTo},         {&F::showInfoDelay, &S::ShowInfoDelay},
    {&F::zoom, &S::Zoom},
}};

constexpr std::array<SoundBinding, 4> Sounds = {{
    {&F::updateSound, &S::SoundFile1}, {&F::keywordSound, &S::SoundFile2},
    {&F::plainSound, &S::SoundFile3},  {&F::noMatchSound, &S::SoundFile4},
}};
// clang-format on

} // namespace

namespace OptionsControls {

void show(const OptionsForm& form, const AppSettings& settings) {
    for (const CheckBinding& check : Checks)
        (form.*check.control)->setChecked(settings.*check.field);
    for (const NumberBinding& number : Numbers) {
        QSpinBox* box = form.*number.control;
        std::visit([&](auto field) { box->setValue(settings.*field); }, number.field);
    }
    for (const SoundBinding& sound : Sounds)
        (form.*sound.row).file->setText(settings.*sound.field);
}

void read(const OptionsForm& form, AppSettings& settings) {
    for (const CheckBinding& check : Checks)
        settings.*check.field = (form.*check.control)->isChecked();
    for (const NumberBinding& number : Numbers) {
        bool ok = false;
        const int value = (form.*number.control)->cleanText().toInt(&ok);
        if (ok)
            std::visit([&](auto field) { settings.*field = value; }, number.field);
    }
    for (const SoundBinding& sound : Sounds)
        settings.*sound.field = (form.*sound.row).file->text();
}

} // namespace OptionsControls
