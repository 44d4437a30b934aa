#include "settings/ui/OptionsControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <array>
#include <cstdint>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

using S = AppSettings;

struct CheckBinding {
    QStringView control;
    bool S::*field;
};

struct NumberBinding {
    QStringView control;
    std::variant<std::int32_t S::*, std::int16_t S::*> field;
};

struct TextBinding {
    QStringView control;
    QString S::*field;
};

// clang-format off
const std::array<CheckBinding, 24> Checks = {{
    {u"chkTopMost", &S::TopMost},                 {u"chkAutoDialing", &S::AutoDialing},
    {u"chkAutoHangup", &S::AutoHangup},           {u"chkLoadAtFirst", &S::LoadAtFirst},
    {u"chkAutoReload", &S::AutoReload},           {u"chkAutoReloadOff", &S::AutoReloadOff},
    {u"chkNotify", &S::Notify},                   {u"chkShowInfo", &S::ShowInfo},
    {u"chkShowTitle", &S::ShowTitle},             {u"chkShowFilter", &S::ShowFilter},
    {u"chkShowTextInstead", &S::ShowTextInstead}, {u"chkShowProgressDialog", &S::ShowProgressDialog},
    {u"chkHideErrorDialog", &S::HideErrorDialog}, {u"chkShutdownByDblclick", &S::ShutdownByDblclick},
    {u"chkShowInfoByClick", &S::ShowInfoByClick}, {u"chkShowInTaskBar", &S::ShowInTaskbar},
    {u"chkPlaySound1", &S::PlaySound1},           {u"chkPlaySound2", &S::PlaySound2},
    {u"chkShowDefaultMSG", &S::ShowDefaultMSG},   {u"chkIgnoreExcept", &S::IgnoreExcept},
    {u"chkAutoRun", &S::AutoRun},                 {u"chkFixWindowPosition", &S::FixWindowPosition},
    {u"chkScroll_MonoColor", &S::Scroll_MonoColor}, {u"chkScroll_Shadow", &S::Scroll_Shadow},
}};

const std::array<NumberBinding, 5> Numbers = {{
    {u"txtAutoReloadDelay", &S::AutoReloadDelay},     {u"txtAutoReloadOffFrom", &S::AutoReloadOffFrom},
    {u"txtAutoReloadOffTo", &S::AutoReloadOffTo},     {u"txtShowInfoDelay", &S::ShowInfoDelay},
    {u"txtZoom", &S::Zoom},
}};

const std::array<TextBinding, 4> Texts = {{
    {u"txtSoundFile0", &S::SoundFile1}, {u"txtSoundFile1", &S::SoundFile2},
    {u"txtSoundFile2", &S::SoundFile3}, {u"txtSoundFile3", &S::SoundFile4},
}};
// clang-format on

template <typename Control> Control* Find(const QWidget* form, QStringView name) {
    auto* control = form->findChild<Control*>(name.toString());
    Q_ASSERT(control);
    return control;
}

} // namespace

namespace OptionsControls {

void Show(QWidget* form, const AppSettings& settings) {
    for (const CheckBinding& check : Checks)
        Find<QCheckBox>(form, check.control)->setChecked(settings.*check.field);
    for (const NumberBinding& number : Numbers) {
        auto* box = Find<QSpinBox>(form, number.control);
        std::visit([&](auto field) { box->setValue(settings.*field); }, number.field);
    }
    for (const TextBinding& text : Texts)
        Find<QLineEdit>(form, text.control)->setText(settings.*text.field);
}

void Read(const QWidget* form, AppSettings& settings) {
    for (const CheckBinding& check : Checks)
        settings.*check.field = Find<QCheckBox>(form, check.control)->isChecked();
    for (const NumberBinding& number : Numbers) {
        bool ok = false;
        const int value = Find<QSpinBox>(form, number.control)->cleanText().toInt(&ok);
        if (ok)
            std::visit([&](auto field) { settings.*field = value; }, number.field);
    }
    for (const TextBinding& text : Texts)
        settings.*text.field = Find<QLineEdit>(form, text.control)->text();
}

} // namespace OptionsControls
