#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Decides which page downloads may run at the same time: pages start in page order, at most
// maxTotal at once and at most maxPerHost from one host, as browsers do. The total is high enough
// for twenty pages on four hosts to run together.
class DownloadScheduler {
public:
    static constexpr int MaxTotal = 24;
    static constexpr int MaxPerHost = 6;

    explicit DownloadScheduler(QStringList hosts, int maxTotal = MaxTotal, int maxPerHost = MaxPerHost);

    // The lowest page index that may start now (marked as running), or -1.
    int startNext();
    void finished(int index);

    int running() const { return m_running; }

private:
    enum class State { Waiting, Running, Done };
    int runningOnHost(const QString& host) const;

    QStringList m_hosts;
    QList<State> m_states;
    int m_maxTotal;
    int m_maxPerHost;
    int m_running = 0;
};
