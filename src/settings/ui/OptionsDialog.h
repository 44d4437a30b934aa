#pragma once

#include "base/SoundPlayer.h"
#include "base/UserPrompter.h"
#include "retrieval/DataFiles.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "settings/ui/ChooserDialogs.h"
#include "settings/ui/OptionsForm.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;
class QTabWidget;

// The options dialog: almost every setting, and the rules and keywords, edited on working copies.
// Apply stores them and has the running program take them up; OK applies and closes; Cancel drops
// the copies.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // The rule list and keyword dialogs, opened on the working copies.
    using RuleListOpener = std::function<void(QWidget* parent, QList<RuleRecord>& rules)>;
    using KeywordListOpener = std::function<void(QWidget* parent, QStringList& keywords)>;

    struct Services {
        SettingsStore& store; // reloading through it hands the settings to the running program
        DataFiles& dataFiles;
        UserPrompter& prompter;
        SoundPlayer& sound;
        ChooserDialogs& choosers;
        std::function<QFont(const AppSettings&)> messageFont; // as the sign draws it
        std::function<void(bool)> setTopMost;                 // the sign in or out of the top band
        std::function<void(bool)> setTaskbarEntry;
        QString programPath; // what a logon start runs
        RuleListOpener openRuleList = {};
        KeywordListOpener openKeywordList = {};
    };

    // settings: the live settings; the rules and keywords are copied from the data files.
    OptionsDialog(const AppSettings& settings, Services services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(OptionsDialog)

    // Stores everything. False, with nothing stored, when a delay box is out of its range.
    bool apply();
    // OK: applies, and closes unless Apply refused a delay box.
    void accept() override;
    // Cancel, Esc or the close box: the copies are dropped; the sign goes back on top.
    void reject() override;

private:
    QTabWidget* buildTabs();
    QWidget* buildButtons();
    void connectControls();
    void updateEnabling();
    bool refuseDelays();
    void chooseFont();
    void editProxy();
    void browseSoundFile(QLineEdit* box);

    Services m_services;
    AppSettings m_edit;
    QList<RuleRecord> m_rules;
    QStringList m_keywords;
    bool m_liveTopMost;
    OptionsForm m_form;
    QTabWidget* m_tabs;
    QPushButton* m_apply = nullptr;
};
