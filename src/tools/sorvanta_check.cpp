// sorvanta-check: one update cycle without the window. Prints one line per item
// ("page<TAB>rule<TAB>text", UTF-8, LF), with --summary one line per page after them
// ("#page<TAB>name<TAB>status[<TAB>first error line]"), and the error log on standard error. With
// --new, only the items that are new since its own last run with --new.
#include "base/AppFolders.h"
#include "base/Clock.h"
#include "retrieval/CycleDebugLog.h"
#include "retrieval/CycleTexts.h"
#include "retrieval/DataFiles.h"
#include "retrieval/PageMemory.h"
#include "retrieval/UpdateCycle.h"
#include "settings/SettingsStore.h"
#include "startup/PrivacyWarning.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

enum ExitCode { Ran = 0, NoEnabledPage = 1, UsageError = 2, Offline = 3 };

const char Usage[] = "Usage: sorvanta-check [--summary] [--new] [/singleuser | /id=NAME]\n"
                     "\n"
                     "Runs one update over the enabled pages of the Sorvanta settings folder chosen\n"
                     "by the argument (as for the ticker itself) and prints one line per item:\n"
                     "  <page number>\\t<rule number>\\t<item text>\n"
                     "With --summary, then one line per enabled page, in page order:\n"
                     "  #<page number>\\t<page name>\\t<status>[\\t<first line of its error>]\n"
                     "where the status is N件 (N items), 該当なし (fetched, no rule matched) or\n"
                     "エラー (then the error's first line).\n"
                     "With --new, only the items that no page had at the last run with --new\n"
                     "(the first run only takes note of them); pages that have not changed are\n"
                     "not downloaded again. The record is its own, apart from the ticker's.\n"
                     "Download errors go to standard error. Exit status: 0 the update ran,\n"
                     "1 no page is enabled, 2 usage error, 3 no connection (with AutoDialing=Yes).\n";

const QString SummaryOption = u"--summary"_s;
const QString NewOption = u"--new"_s;

QString withLineFeeds(QString text) {
    return text.replace(u"\r\n"_s, u"\n"_s);
}

// A field of a summary line: tabs and line breaks would split it.
QString field(QString text) {
    for (const char16_t separator : {u'\t', u'\r', u'\n'})
        text.replace(separator, u' ');
    return text;
}

void printSummary(QTextStream& out, const CycleResult& result, const QList<PageRecord>& pages) {
    for (auto page = result.pageStatuses.cbegin(); page != result.pageStatuses.cend(); ++page) {
        out << u'#' << page.key() << u'\t' << field(numberedRecord(pages, page.key()).Name) << u'\t'
            << CycleTexts::pageStatusText(page.value());
        if (page.value().kind == PageStatus::Kind::Error)
            out << u'\t' << field(CycleTexts::errorLine(page.value().error));
        out << u'\n';
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    const bool summary = arguments.removeAll(SummaryOption) > 0;
    const bool onlyNew = arguments.removeAll(NewOption) > 0;
    if (arguments.size() == 2 && arguments[1] == u"--help") {
        std::fputs(Usage, stdout);
        return Ran;
    }
    for (const QString& argument : arguments.mid(1)) {
        if (argument.startsWith(u'-')) {
            std::fprintf(stderr, "sorvanta-check: unknown option '%s'\n\n%s", qUtf8Printable(argument),
                         Usage);
            return UsageError;
        }
    }

    const AppFolders folders = AppFolders::forThisProcess(argumentText(arguments));
    DataFiles files(folders, nullptr);
    files.loadDataFiles();
    SystemClock clock;
    const AppSettings settings = loadSettings(folders, clock, 96);
    warnOfExposedPasswords(folders, files.tables(), settings, clock);

    QTextStream out(stdout);
    QTextStream err(stderr);
    UpdateCycle cycle(clock);
    keepDebugLogOf(cycle, folders, clock);
    PageMemory memory;
    if (onlyNew) {
        memory.load(folders.checkSeenPath());
        cycle.setMemory(&memory);
    }
    QObject::connect(&cycle, &UpdateCycle::errorAppended, [&err](const QString& text) {
        err << withLineFeeds(text);
        err.flush();
    });
    QObject::connect(&cycle, &UpdateCycle::finished, [&](const CycleResult& result) {
        if (result.outcome == CycleResult::Outcome::Offline)
            err << withLineFeeds(CycleTexts::offline()) << u'\n';
        // Numbers as text first: streaming an int makes a locale each time, and there may be many.
        for (const InfoItem& item : result.items) {
            if (onlyNew && !item.isNew)
                continue;
            out << QString::number(item.page) << u'\t' << QString::number(item.rule) << u'\t' << item.text
                << u'\n';
        }
        if (summary)
            printSummary(out, result, files.tables().pages);
        out.flush();
        if (onlyNew && !memory.save(folders.checkSeenPath()))
            err << u"'"_s << folders.checkSeenPath() << u"' に書き込めません。"_s << u'\n';
        err.flush();
        app.exit(result.outcome == CycleResult::Outcome::Offline ? Offline : Ran);
    });
    if (!cycle.start(files.tables(), settings)) {
        err << u"有効なページがありません。"_s << u'\n';
        return NoEnabledPage;
    }
    return app.exec();
}
