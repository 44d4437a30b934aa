#include "retrieval/TagRemoval.h"

#include <QRandomGenerator>
#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace {

// Polynomial hashes modulo the prime 2^61 - 1 with a random base, so that no page can be built to
// make two tags collide; a match is still confirmed by comparing the texts.
constexpr quint64 Modulus = (quint64(1) << 61) - 1;

quint64 mulMod(quint64 a, quint64 b) {
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    const quint64 sum = quint64(product & Modulus) + quint64(product >> 61);
    return sum >= Modulus ? sum - Modulus : sum;
}

quint64 addMod(quint64 a, quint64 b) {
    const quint64 sum = a + b;
    return sum >= Modulus ? sum - Modulus : sum;
}

quint64 subMod(quint64 a, quint64 b) {
    return a >= b ? a - b : a + Modulus - b;
}

// The fragment is read as segments, each ending at a ">". A piece of work text ends at its only
// ">", so a tag can stand only at its end, starting at one of its "<". Deleting a tag from a piece
// joins what is left of it to the next piece, as the next piece stood after the same pass.
//
// Passes are numbered in the order the tags were found; a piece remembers up to which pass it has
// been brought, and a later piece is brought up to date only when the scan reaches it.
class TagRemover {
public:
    TagRemover(QStringView input, const StopSignal& shouldStop)
        : m_input(input)
        , m_shouldStop(shouldStop)
        , m_base(QRandomGenerator::global()->bounded(quint64(1) << 40) + 256) {
        m_work.reserve(input.size());
    }

    bool run();
    QString& result() { return m_out; }

private:
    struct Mark {
        qsizetype position; // of a "<" in the work text
        quint64 prefixHash; // of the work text before it
    };
    struct Tag {
        qsizetype offset; // of its text in m_tagTexts
        qsizetype length;
        int sameHash;            // the next tag with the same hash, or -1
        std::vector<int> passes; // ascending: a tag found again at the front gets another pass
    };
    struct Frame {
        qsizetype start; // of the piece in the work text
        int level;       // the passes up to this one have been applied to it
        int target;      // the pass it is to be brought to
    };
    struct Match {
        qsizetype position;
        int pass;
        int tag;
    };

    void appendSegment();
    void truncateTo(qsizetype position);
    bool bring(qsizetype start, int target);
    std::optional<Match> earliestMatch(const Frame& frame, bool compareTexts) const;
    bool stopped();
    QStringView tagText(const Tag& tag) const {
        return QStringView(m_tagTexts).sliced(tag.offset, tag.length);
    }
    void registerTag(const Mark& mark);

    QStringView m_input;
    const StopSignal& m_shouldStop;
    quint64 m_base;
    qsizetype m_in = 0;
    QString m_out;
    QString m_work;
    quint64 m_workHash = 0;
    std::vector<Mark> m_marks;
    std::vector<Frame> m_frames;
    std::vector<Tag> m_tags;
    QString m_tagTexts;
    std::unordered_map<quint64, int> m_tagsByHash;          // the first tag with that hash
    std::unordered_map<qsizetype, quint64> m_powerOfLength; // base^length for every tag length
    qsizetype m_longestTag = 0;
    int m_passCount = 0;
    unsigned m_steps = 0;
};

bool TagRemover::stopped() {
    return (++m_steps & 0xFFF) == 0 && stopRequested(m_shouldStop);
}

void TagRemover::appendSegment() {
    const qsizetype close = m_input.indexOf(u'>', m_in);
    const qsizetype end = close < 0 ? m_input.size() : close + 1;
    for (; m_in < end; ++m_in) {
        const QChar c = m_input[m_in];
        if (c == u'<')
            m_marks.push_back({m_work.size(), m_workHash});
        m_work.append(c);
        m_workHash = addMod(mulMod(m_workHash, m_base), quint64(c.unicode()) + 1);
    }
}

// Only ever to the "<" where a tag began.
void TagRemover::truncateTo(qsizetype position) {
    while (!m_marks.empty() && m_marks.back().position > position)
        m_marks.pop_back();
    Q_ASSERT(!m_marks.empty() && m_marks.back().position == position);
    m_workHash = m_marks.back().prefixHash;
    m_marks.pop_back();
    m_work.truncate(position);
}

std::optional<TagRemover::Match> TagRemover::earliestMatch(const Frame& frame, bool compareTexts) const {
    const qsizetype end = m_work.size();
    if (frame.level >= frame.target || end == frame.start || m_work.back() != u'>')
        return std::nullopt;
    std::optional<Match> best;
    const auto consider = [&](const Mark& mark) {
        const qsizetype length = end - mark.position;
        const auto power = m_powerOfLength.find(length);
        if (power == m_powerOfLength.end())
            return;
        const quint64 hash = subMod(m_workHash, mulMod(mark.prefixHash, power->second));
        const auto candidates = m_tagsByHash.find(hash);
        if (candidates == m_tagsByHash.end())
            return;
        for (int id = candidates->second; id >= 0; id = m_tags[size_t(id)].sameHash) {
            const Tag& tag = m_tags[size_t(id)];
            const auto pass = std::upper_bound(tag.passes.begin(), tag.passes.end(), frame.level);
            if (tag.length != length || pass == tag.passes.end() || *pass > frame.target)
                continue;
            if (compareTexts && QStringView(m_work).sliced(mark.position) != tagText(tag))
                continue;
            if (!best || *pass < best->pass)
                best = Match{mark.position, *pass, id};
        }
    };
    const auto first = std::lower_bound(m_marks.begin(), m_marks.end(), frame.start,
                                        [](const Mark& mark, qsizetype at) { return mark.position < at; });
    if (size_t(m_marks.end() - first) <= m_powerOfLength.size()) {
        for (auto mark = m_marks.end(); mark != first && end - (mark - 1)->position <= m_longestTag; --mark)
            consider(*(mark - 1));
    } else {
        for (const auto& [length, power] : m_powerOfLength) {
            const auto mark = std::lower_bound(first, m_marks.end(), end - length,
                                               [](const Mark& m, qsizetype at) { return m.position < at; });
            if (mark != m_marks.end() && mark->position == end - length)
                consider(*mark);
        }
    }
    if (best && !compareTexts &&
        QStringView(m_work).sliced(best->position) != tagText(m_tags[size_t(best->tag)]))
        return earliestMatch(frame, true); // a hash collision: decide by the texts themselves
    return best;
}

bool TagRemover::bring(qsizetype start, int target) {
    m_frames.push_back({start, 0, target});
    while (!m_frames.empty()) {
        if (stopped())
            return false;
        const std::optional<Match> match = earliestMatch(m_frames.back(), false);
        if (!match) {
            m_frames.pop_back();
            continue;
        }
        truncateTo(match->position);
        m_frames.back().level = match->pass;
        if (m_in == m_input.size())
            continue;
        const qsizetype next = m_work.size();
        appendSegment();
        m_frames.push_back({next, 0, match->pass});
    }
    return true;
}

void TagRemover::registerTag(const Mark& mark) {
    const QStringView text = QStringView(m_work).sliced(mark.position);
    quint64 power = 1;
    for (qsizetype i = 0; i < text.size(); ++i)
        power = mulMod(power, m_base);
    const quint64 hash = subMod(m_workHash, mulMod(mark.prefixHash, power));
    m_powerOfLength.emplace(text.size(), power);
    m_longestTag = std::max(m_longestTag, text.size());
    ++m_passCount;
    const auto [first, isNewHash] = m_tagsByHash.try_emplace(hash, int(m_tags.size()));
    for (int id = isNewHash ? -1 : first->second; id >= 0; id = m_tags[size_t(id)].sameHash) {
        if (tagText(m_tags[size_t(id)]) == text) {
            m_tags[size_t(id)].passes.push_back(m_passCount);
            return;
        }
    }
    m_tags.push_back({m_tagTexts.size(), text.size(), isNewHash ? -1 : first->second, {m_passCount}});
    first->second = int(m_tags.size()) - 1;
    m_tagTexts += text;
}

bool TagRemover::run() {
    while (m_in < m_input.size()) {
        // Text before the next "<" can never be part of a tag.
        const qsizetype open = m_input.indexOf(u'<', m_in);
        if (open < 0) {
            m_out += m_input.sliced(m_in);
            break;
        }
        m_out += m_input.sliced(m_in, open - m_in);
        m_in = open;
        m_work.clear();
        m_workHash = 0;
        m_marks.clear();
        appendSegment();
        if (!bring(0, m_passCount))
            return false;
        if (m_marks.empty() || m_work.back() != u'>') {
            m_out += m_work;
            continue;
        }
        // The first tag at the front starts the next pass.
        const Mark mark = m_marks.front();
        m_out += QStringView(m_work).first(mark.position);
        registerTag(mark);
    }
    return true;
}

} // namespace

bool removeTags(QString& fragment, const StopSignal& shouldStop) {
    if (!fragment.contains(u'<'))
        return true;
    TagRemover remover(fragment, shouldStop);
    if (!remover.run())
        return false;
    fragment = std::move(remover.result());
    return true;
}
