#include "display/ClockFace.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
constexpr int Dark = ClockFace::Dark;

QList<int> digitsOf(const ClockFace::Cells& cells) {
    return QList<int>(cells.digits.begin(), cells.digits.end());
}
} // namespace

class TestClockFace : public QObject {
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void redraws_data();
    void redraws();
};

void TestClockFace::cells_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("digits");
    QTest::newRow("leading hour zero is dark") << QTime(9, 5, 42) << u"0905"_s << QList<int>{Dark, 9, 0, 5};
    QTest::newRow("all four lit") << QTime(10, 0) << u"1000"_s << QList<int>{1, 0, 0, 0};
    QTest::newRow("midnight keeps the minute zeros lit")
        << QTime(0, 0) << u"0000"_s << QList<int>{Dark, 0, 0, 0};
    QTest::newRow("24-hour evening") << QTime(23, 59, 59) << u"2359"_s << QList<int>{2, 3, 5, 9};
    QTest::newRow("zero in the second hour cell is lit")
        << QTime(20, 7) << u"2007"_s << QList<int>{2, 0, 0, 7};
}

void TestClockFace::cells() {
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QFETCH(QList<int>, digits);
    const ClockFace::Cells cells = ClockFace::cellsFor(time);
    QCOMPARE(cells.text, text);
    QCOMPARE(digitsOf(cells), digits);
}

// Each row runs a sequence of ticks through one face; "drawn" lists the "hhmm" texts that
// caused a redraw, in order.
void TestClockFace::redraws_data() {
    QTest::addColumn<QList<QTime>>("ticks");
    QTest::addColumn<QStringList>("drawn");
    QTest::newRow("first tick draws, same minute does not")
        << QList<QTime>{QTime(9, 5, 0), QTime(9, 5, 0, 500), QTime(9, 5, 59)} << QStringList{u"0905"_s};
    QTest::newRow("a new minute draws")
        << QList<QTime>{QTime(9, 5, 59, 500), QTime(9, 6, 0)} << QStringList{u"0905"_s, u"0906"_s};
    QTest::newRow("going back a minute draws too")
        << QList<QTime>{QTime(9, 6), QTime(9, 5)} << QStringList{u"0906"_s, u"0905"_s};
    QTest::newRow("invalid time neither draws nor forgets")
        << QList<QTime>{QTime(9, 5), QTime(), QTime(9, 5, 1)} << QStringList{u"0905"_s};
}

void TestClockFace::redraws() {
    QFETCH(QList<QTime>, ticks);
    QFETCH(QStringList, drawn);
    ClockFace face;
    QStringList seen;
    for (const QTime& tick : ticks) {
        if (const auto cells = face.update(tick))
            seen.append(cells->text);
    }
    QCOMPARE(seen, drawn);
}

QTEST_GUILESS_MAIN(TestClockFace)
#include "tst_clockface.moc"
