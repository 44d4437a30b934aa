#include "retrieval/DownloadScheduler.h"

DownloadScheduler::DownloadScheduler(QStringList hosts, int maxTotal, int maxPerHost)
    : m_hosts(std::move(hosts))
    , m_states(m_hosts.size(), State::Waiting)
    , m_maxTotal(maxTotal)
    , m_maxPerHost(maxPerHost) {}

int DownloadScheduler::startNext() {
    if (m_running >= m_maxTotal)
        return -1;
    for (int i = 0; i < m_states.size(); ++i) {
        if (m_states[i] == State::Waiting && runningOnHost(m_hosts[i]) < m_maxPerHost) {
            m_states[i] = State::Running;
            ++m_running;
            return i;
        }
    }
    return -1;
}

void DownloadScheduler::finished(int index) {
    if (m_states.value(index) != State::Running)
        return;
    m_states[index] = State::Done;
    --m_running;
}

int DownloadScheduler::runningOnHost(const QString& host) const {
    int count = 0;
    for (int i = 0; i < m_states.size(); ++i) {
        if (m_states[i] == State::Running && m_hosts[i] == host)
            ++count;
    }
    return count;
}
