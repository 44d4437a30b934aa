#include "settings/ui/OptionsDialog.h"

#include "base/ui/DialogButtons.h"
#include "settings/Autostart.h"
#include "settings/OptionsRules.h"
#include "settings/ui/OptionsControls.h"
#include "settings/ui/OptionsPages.h"
#include "settings/ui/ProxyDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int SoundRows = 4;

// The font fields from what the font dialog returned; a size given in pixels keeps the old size.
void TakeFont(AppSettings& settings, const QFont& font) {
    settings.FontName = font.family();
    if (font.pointSizeF() > 0)
        settings.FontSize = float(std::round(font.pointSizeF()));
    settings.FontBold = font.weight() >= QFont::Bold;
    settings.FontItalic = font.italic();
}

} // namespace

OptionsDialog::OptionsDialog(const AppSettings& settings, Services services, QWidget* parent)
    : QDialog(parent)
    , m_services(std::move(services))
    , m_edit(settings)
    , m_rules(m_services.dataFiles.tables().rules)
    , m_keywords(m_services.dataFiles.tables().keywords)
    , m_liveTopMost(settings.TopMost)
    , m_tabs(buildTabs()) {
    setObjectName(u"frmOption"_s);
    setWindowTitle(u"オプション"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buildButtons());

    ReadAutorunState(m_edit);
    OptionsControls::Show(this, m_edit);
    connectControls();
    updateEnabling();
    m_apply->setEnabled(false);
}

QTabWidget* OptionsDialog::buildTabs() {
    auto* tabs = new QTabWidget;
    tabs->setObjectName(u"TabStrip1"_s);
    const QList<std::pair<QWidget*, QString>> pages = {
        {OptionsPages::General(), u"全般"_s},         {OptionsPages::Extraction(), u"抽出と表示"_s},
        {OptionsPages::Network(), u"ネットワーク"_s}, {OptionsPages::Sound(), u"サウンド"_s},
        {OptionsPages::Other(), u"その他"_s},
    };
    for (const auto& [page, caption] : pages) {
        page->setObjectName(u"picFrame"_s + QString::number(tabs->count() + 1));
        tabs->addTab(page, caption);
    }
    return tabs;
}

QWidget* OptionsDialog::buildButtons() {
    QDialogButtonBox* buttons =
        DialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply);
    m_apply = buttons->button(QDialogButtonBox::Apply);
    connect(m_apply, &QPushButton::clicked, this, &OptionsDialog::apply);
    return buttons;
}

void OptionsDialog::connectControls() {
    const auto changed = [this] { m_apply->setEnabled(true); };
    for (QCheckBox* check : m_tabs->findChildren<QCheckBox*>()) {
        connect(check, &QCheckBox::toggled, this, changed);
        connect(check, &QCheckBox::toggled, this, &OptionsDialog::updateEnabling);
    }
    // The number boxes' own edit boxes among them.
    for (QLineEdit* box : m_tabs->findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, changed);

    const auto button = [this](const QString& name) { return m_tabs->findChild<QAbstractButton*>(name); };
    connect(button(u"cmdFont"_s), &QAbstractButton::clicked, this, &OptionsDialog::chooseFont);
    connect(button(u"cmdProxy"_s), &QAbstractButton::clicked, this, &OptionsDialog::editProxy);
    // Until the rule list and keyword dialogs are given, their buttons stay greyed.
    button(u"cmdFilter"_s)->setEnabled(bool(m_services.openRuleList));
    button(u"cmdKeywords"_s)->setEnabled(bool(m_services.openKeywordList));
    connect(button(u"cmdFilter"_s), &QAbstractButton::clicked, this,
            [this] { m_services.openRuleList(this, m_rules); });
    connect(button(u"cmdKeywords"_s), &QAbstractButton::clicked, this,
            [this] { m_services.openKeywordList(this, m_keywords); });
    for (int row = 0; row < SoundRows; ++row) {
        const QString number = QString::number(row);
        connect(button(u"cmdBrowseSoundFile"_s + number), &QAbstractButton::clicked, this,
                [this, row] { browseSoundFile(row); });
        connect(button(u"cmdTestSound"_s + number), &QAbstractButton::clicked, this,
                [this, row] { m_services.sound.PlaySoundFile(soundBox(row)->text()); });
    }
}

void OptionsDialog::updateEnabling() {
    AppSettings form = m_edit;
    OptionsControls::Read(this, form);
    const OptionsEnabling enabling = EnablingFor(form);
    enable(u"txtAutoReloadDelay"_s, enabling.autoReloadDelay);
    enable(u"chkAutoReloadOff"_s, enabling.autoReloadOff);
    enable(u"txtAutoReloadOffFrom"_s, enabling.quietHours);
    enable(u"txtAutoReloadOffTo"_s, enabling.quietHours);
    enable(u"txtShowInfoDelay"_s, enabling.showInfoDelay);
    enable(u"chkHideErrorDialog"_s, enabling.hideErrorDialog);
    for (int row = 0; row < SoundRows; ++row) {
        const bool enabled = row == 0 ? enabling.updateSoundRow : enabling.itemSoundRows;
        const QString number = QString::number(row);
        for (const QString& name : {u"txtSoundFile"_s, u"cmdBrowseSoundFile"_s, u"cmdTestSound"_s})
            enable(name + number, enabled);
    }
}

void OptionsDialog::enable(const QString& name, bool enabled) {
    QWidget* control = m_tabs->findChild<QWidget*>(name);
    Q_ASSERT(control);
    control->setEnabled(enabled);
}

bool OptionsDialog::apply() {
    if (refuseDelays())
        return false;
    // Each file stands on its own: one that could not be written leaves the reload to us.
    const bool reloaded = m_services.dataFiles.SaveRulesAndKeywords(m_rules, m_keywords);
    AppSettings settings = m_edit; // with the proxy, the font and the fields without a control
    OptionsControls::Read(this, settings);
    m_services.setTopMost(settings.TopMost);
    m_services.setTaskbarEntry(settings.ShowInTaskbar);
    m_services.store.SaveSettings(settings);
    if (settings.AutoRun)
        RegisterAutorun(m_services.programPath);
    else
        UnregisterAutorun();
    if (!reloaded)
        m_services.dataFiles.LoadDataFiles();
    m_services.store.LoadSettings();
    m_liveTopMost = settings.TopMost;
    m_apply->setEnabled(false);
    return true;
}

// Shows the message for the first delay box out of its range, on the first page with that box's
// text selected. True when a box was refused.
bool OptionsDialog::refuseDelays() {
    auto* autoReloadDelay = m_tabs->findChild<QSpinBox*>(u"txtAutoReloadDelay"_s);
    auto* showInfoDelay = m_tabs->findChild<QSpinBox*>(u"txtShowInfoDelay"_s);
    const std::optional<DelayProblem> problem =
        FindDelayProblem(autoReloadDelay->cleanText(), showInfoDelay->cleanText());
    if (!problem)
        return false;
    m_services.prompter.showWarning(u"エラー"_s, problem->message);
    m_tabs->setCurrentIndex(0);
    QSpinBox* box = problem->box == autoReloadDelay->objectName() ? autoReloadDelay : showInfoDelay;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return true;
}

void OptionsDialog::accept() {
    if (apply())
        QDialog::accept();
}

void OptionsDialog::reject() {
    if (m_liveTopMost)
        m_services.setTopMost(true);
    QDialog::reject();
}

// Changes the working copy only: the font button does not count as a change of the dialog.
void OptionsDialog::chooseFont() {
    if (const std::optional<QFont> font =
            m_services.choosers.ChooseFontDialog(this, m_services.messageFont(m_edit)))
        TakeFont(m_edit, *font);
}

void OptionsDialog::editProxy() {
    ProxyDialog proxy(m_edit, m_services.prompter, this);
    proxy.setWindowFlag(Qt::WindowStaysOnTopHint, m_liveTopMost);
    proxy.exec();
}

// A cancelled dialog empties the box.
void OptionsDialog::browseSoundFile(int row) {
    QLineEdit* box = soundBox(row);
    box->setText(m_services.choosers.OpenSoundFileDialog(this, SoundFileStartFolder(box->text())));
}

QLineEdit* OptionsDialog::soundBox(int row) const {
    return m_tabs->findChild<QLineEdit*>(u"txtSoundFile"_s + QString::number(row));
}
