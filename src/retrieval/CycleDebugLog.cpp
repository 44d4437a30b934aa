#include "retrieval/CycleDebugLog.h"

#include "base/RunLog.h"
#include "retrieval/CycleTexts.h"
#include "retrieval/PageDump.h"

using namespace Qt::StringLiterals;

void keepDebugLogOf(UpdateCycle& cycle, const AppFolders& folders, const Clock& clock) {
    QObject::connect(&cycle, &UpdateCycle::debugPageTakenIn, &cycle,
                     [folders, &clock](const QString& url, const QString& pageText,
                                       const std::optional<EncodingChoice>& encoding) {
                         const QDateTime now = clock.now();
                         appendPageDump(folders.pageDumpPath(), now, url, pageText);
                         const QString used = encoding
                                                  ? u" 文字コード: "_s + CycleTexts::encodingLogged(*encoding)
                                                  : QString();
                         writeRunLogLine(folders.runLogPath(), now, RunLogTag::Get, url + used);
                     });
}
