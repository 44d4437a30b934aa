#include "startup/ui/MenuDialogs.h"

#include "editors/ui/KeywordListDialog.h"
#include "editors/ui/PageListDialog.h"
#include "editors/ui/RuleListDialog.h"
#include "editors/ui/RuleTesterPanel.h"
#include "settings/ui/OptionsDialog.h"

#include <QCoreApplication>

Ticker::DialogOpeners menuDialogs(MenuDialogServices services) {
    Ticker::DialogOpeners dialogs;
    dialogs.pageList = [services](QWidget* parent, const QMap<int, PageStatus>& statuses,
                                  const Ticker::ModalRunner& run) {
        PageListDialog dialog(services.dataFiles, services.prompter, statuses, parent);
        run(dialog);
        return dialog.pageStatuses();
    };
    dialogs.options = [services](QWidget* parent, const AppSettings& settings,
                                 const Ticker::OptionsHooks& hooks, const Ticker::ModalRunner& run) {
        const auto makeTester = [&services, &settings] {
            return new RuleTesterPanel(services.dataFiles.tables().pages, settings);
        };
        OptionsDialog dialog(settings,
                             {services.store, services.dataFiles, services.prompter, services.sound,
                              services.choosers, hooks.messageFont, hooks.setTopMost, hooks.setTaskbarEntry,
                              QCoreApplication::applicationFilePath(),
                              RuleListDialog::opener(services.dataFiles, services.prompter, makeTester),
                              KeywordListDialog::opener()},
                             parent);
        run(dialog);
    };
    return dialogs;
}
