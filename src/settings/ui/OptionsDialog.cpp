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
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The font fields from what the font dialog returned; a size given in pixels keeps the old size.
void takeFont(AppSettings& settings, const QFont& font) {
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
    setWindowTitle(tr("オプション"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buildButtons());

    readAutorunState(m_edit);
    OptionsControls::show(m_form, m_edit);
    connectControls();
    updateEnabling();
    m_apply->setEnabled(false);
}

QTabWidget* OptionsDialog::buildTabs() {
    auto* tabs = new QTabWidget;
    tabs->setObjectName(u"TabStrip1"_s);
    const QList<std::pair<QWidget*, QString>> pages = {
        {OptionsPages::general(m_form), tr("全般")},
        {OptionsPages::extraction(m_form), tr("抽出と表示")},
        {OptionsPages::network(m_form), tr("ネットワーク")},
        {OptionsPages::sound(m_form), tr("サウンド")},
        {OptionsPages::other(m_form), tr("その他")},
    };
    for (const auto& [page, caption] : pages) {
        page->setObjectName(u"picFrame"_s + QString::number(tabs->count() + 1));
        tabs->addTab(page, caption);
    }
    return tabs;
}

QWidget* OptionsDialog::buildButtons() {
    QDialogButtonBox* buttons =
        dialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply);
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

    connect(m_form.font, &QAbstractButton::clicked, this, &OptionsDialog::chooseFont);
    connect(m_form.proxy, &QAbstractButton::clicked, this, &OptionsDialog::editProxy);
    // Until the rule list and keyword dialogs are given, their buttons stay greyed.
    m_form.rules->setEnabled(bool(m_services.openRuleList));
    m_form.keywords->setEnabled(bool(m_services.openKeywordList));
    connect(m_form.rules, &QAbstractButton::clicked, this,
            [this] { m_services.openRuleList(this, m_rules); });
    connect(m_form.keywords, &QAbstractButton::clicked, this,
            [this] { m_services.openKeywordList(this, m_keywords); });
    for (SoundRow* row : m_form.soundRows()) {
        QLineEdit* file = row->file;
        connect(row->browse, &QAbstractButton::clicked, this, [this, file] { browseSoundFile(file); });
        connect(row->test, &QAbstractButton::clicked, this,
                [this, file] { m_services.sound.playSoundFile(file->text()); });
    }
}

void OptionsDialog::updateEnabling() {
    AppSettings form = m_edit;
    OptionsControls::read(m_form, form);
    const OptionsEnabling enabling = enablingFor(form);
    m_form.autoReloadDelay->setEnabled(enabling.autoReloadDelay);
    m_form.quietHours->setEnabled(enabling.autoReloadOff);
    m_form.quietFrom->setEnabled(enabling.quietHours);
    m_form.quietTo->setEnabled(enabling.quietHours);
    m_form.showInfoDelay->setEnabled(enabling.showInfoDelay);
    m_form.hideErrors->setEnabled(enabling.hideErrorDialog);
    for (SoundRow* row : m_form.soundRows()) {
        const bool enabled = row == &m_form.updateSound ? enabling.updateSoundRow : enabling.itemSoundRows;
        for (QWidget* control : std::initializer_list<QWidget*>{row->file, row->browse, row->test})
            control->setEnabled(enabled);
    }
}

bool OptionsDialog::apply() {
    if (refuseDelays())
        return false;
    // Each file stands on its own: one that could not be written leaves the reload to us.
    const bool reloaded = m_services.dataFiles.saveRulesAndKeywords(m_rules, m_keywords);
    AppSettings settings = m_edit; // with the proxy, the font and the fields without a control
    OptionsControls::read(m_form, settings);
    m_services.setTopMost(settings.TopMost);
    m_services.setTaskbarEntry(settings.ShowInTaskbar);
    m_services.store.saveSettings(settings);
    if (settings.AutoRun)
        registerAutorun(m_services.programPath);
    else
        unregisterAutorun();
    if (!reloaded)
        m_services.dataFiles.loadDataFiles();
    m_services.store.loadSettings();
    m_liveTopMost = settings.TopMost;
    m_apply->setEnabled(false);
    return true;
}

// Shows the message for the first delay box out of its range, on the first page with that box's
// text selected. True when a box was refused.
bool OptionsDialog::refuseDelays() {
    const std::optional<DelayProblem> problem =
        findDelayProblem(m_form.autoReloadDelay->cleanText(), m_form.showInfoDelay->cleanText());
    if (!problem)
        return false;
    m_services.prompter.showWarning(tr("エラー"), problem->message);
    m_tabs->setCurrentIndex(0);
    QSpinBox* box =
        problem->box == DelayProblem::Box::AutoReloadDelay ? m_form.autoReloadDelay : m_form.showInfoDelay;
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
            m_services.choosers.chooseFontDialog(this, m_services.messageFont(m_edit)))
        takeFont(m_edit, *font);
}

void OptionsDialog::editProxy() {
    ProxyDialog proxy(m_edit, m_services.prompter, this);
    proxy.setWindowFlag(Qt::WindowStaysOnTopHint, m_liveTopMost);
    proxy.exec();
}

// A cancelled dialog empties the box.
void OptionsDialog::browseSoundFile(QLineEdit* box) {
    box->setText(m_services.choosers.openSoundFileDialog(this, soundFileStartFolder(box->text())));
}
