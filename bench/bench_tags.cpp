// Times tag removal on the body of a page with many distinct tags, as a rule from <body> to
// </body> cuts it out: 12,000 distinct tags against the plain pass-per-tag description, and a
// hostile 32 MiB body with one distinct tag every 10 characters.
// Usage: bench_tags [runs (default 5)]
#include "retrieval/TagRemoval.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString bodyWithDistinctTags(qsizetype tags) {
    QString body;
    for (qsizetype i = 0; i < tags; ++i)
        body += u"<p id=%1>運行%2</p>"_s.arg(i).arg(i % 10);
    return body;
}

// Each distinct tag deleted everywhere in turn: a pass over the body per tag.
void removeEachTagInTurn(QString& fragment) {
    qsizetype g = 0;
    for (;;) {
        const qsizetype open = fragment.indexOf(u'<', g);
        const qsizetype close = open < 0 ? -1 : fragment.indexOf(u'>', open);
        if (close < 0)
            return;
        fragment.remove(fragment.sliced(open, close - open + 1));
        g = open;
    }
}

template <typename Remove> double medianMs(const QString& body, int runs, Remove remove) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QString fragment = body;
        QElapsedTimer timer;
        timer.start();
        remove(fragment);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    const QString page = bodyWithDistinctTags(12000);
    const double linear = medianMs(page, runs, [](QString& f) { removeTags(f); });
    const double perTag = medianMs(page, runs, removeEachTagInTurn);
    std::printf("tags: 12,000 distinct tags, %lld characters: %.1f ms (a pass per tag: %.1f ms, %.0fx)\n",
                static_cast<long long>(page.size()), linear, perTag, perTag / linear);

    const qsizetype hostileTags = 32 * 1024 * 1024 / 20;
    const QString hostile = bodyWithDistinctTags(hostileTags);
    const double large = medianMs(hostile, std::min(runs, 3), [](QString& f) { removeTags(f); });
    std::printf("tags: hostile body, %lld characters, %lld distinct tags: %.0f ms\n",
                static_cast<long long>(hostile.size()), static_cast<long long>(hostileTags), large);
    return 0;
}
