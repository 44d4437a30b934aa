#include "settings/OptionsRules.h"

#include "settings/SettingsKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool inRangeOf(const QString& text, QStringView key) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && findSettingsKey(key).validRange->contains(value);
}

} // namespace

OptionsEnabling enablingFor(const AppSettings& form) {
    OptionsEnabling enabling;
    enabling.autoReloadDelay = form.AutoReload;
    enabling.autoReloadOff = form.AutoReload;
    enabling.quietHours = form.AutoReload && form.AutoReloadOff;
    enabling.showInfoDelay = form.ShowInfo;
    enabling.hideErrorDialog = !form.ShowProgressDialog;
    enabling.updateSoundRow = form.PlaySound1;
    enabling.itemSoundRows = form.PlaySound2;
    return enabling;
}

std::optional<DelayProblem> findDelayProblem(const QString& autoReloadDelay, const QString& showInfoDelay) {
    if (!inRangeOf(autoReloadDelay, u"AutoReloadDelay"))
        return DelayProblem{
            DelayProblem::Box::AutoReloadDelay,
            QCoreApplication::translate("OptionsRules",
                                        "情報をダウンロードする間隔は 1 から 60 分の間で指定してください。")};
    if (!inRangeOf(showInfoDelay, u"ShowInfoDelay"))
        return DelayProblem{
            DelayProblem::Box::ShowInfoDelay,
            QCoreApplication::translate("OptionsRules",
                                        "情報を表示する間隔は 1 から 600 秒の間で指定してください。")};
    return std::nullopt;
}

QString soundFileStartFolder(const QString& currentFile) {
    if (!currentFile.isEmpty()) {
        const QFileInfo folder(QFileInfo(currentFile).absolutePath());
        if (folder.isDir())
            return folder.absoluteFilePath();
    }
    return QDir::homePath();
}
