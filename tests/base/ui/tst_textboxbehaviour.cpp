#include "base/ui/TextBoxBehaviour.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

class TestTextBoxBehaviour : public QObject {
    Q_OBJECT
private slots:
    void focusSelectsAllUnlessByClick_data();
    void focusSelectsAllUnlessByClick();
    void lineBreaks_data();
    void lineBreaks();
};

void TestTextBoxBehaviour::focusSelectsAllUnlessByClick_data() {
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("selectsAll");
    QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("access key") << int(Qt::ShortcutFocusReason) << true;
    QTest::newRow("by the dialog") << int(Qt::OtherFocusReason) << true;
    QTest::newRow("dialog opens") << int(Qt::ActiveWindowFocusReason) << true;
    QTest::newRow("click") << int(Qt::MouseFocusReason) << false;
}

void TestTextBoxBehaviour::focusSelectsAllUnlessByClick() {
    QFETCH(int, reason);
    QFETCH(bool, selectsAll);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit(&window);
    auto* box = new QLineEdit(u"http://example.com/"_s, &window);
    layout->addWidget(other);
    layout->addWidget(box);
    TextBoxBehaviour::apply(box, TextBoxBehaviour::LineBreaks::Keep);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    box->setCursorPosition(3);
    box->setFocus(Qt::FocusReason(reason));
    QTRY_VERIFY(box->hasFocus());
    QTest::qWait(10);
    QCOMPARE(box->selectedText() == box->text(), selectsAll);
}

void TestTextBoxBehaviour::lineBreaks_data() {
    QTest::addColumn<int>("lineBreaks");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const int cut = int(TextBoxBehaviour::LineBreaks::CutAtFirst);
    const int keep = int(TextBoxBehaviour::LineBreaks::Keep);
    QTest::newRow("two lines pasted") << cut << u"新しいページ\r\n二行目"_s << u"新しいページ"_s;
    QTest::newRow("lone line feed") << cut << u"a\nb"_s << u"a"_s;
    QTest::newRow("break first") << cut << u"\r\nb"_s << QString();
    QTest::newRow("one line") << cut << u"one line"_s << u"one line"_s;
    QTest::newRow("proxy boxes keep it") << keep << u"a\r\nb"_s << u"a\r\nb"_s;
}

void TestTextBoxBehaviour::lineBreaks() {
    QFETCH(int, lineBreaks);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QLineEdit box;
    TextBoxBehaviour::apply(&box, TextBoxBehaviour::LineBreaks(lineBreaks));
    box.insert(typed);
    QCOMPARE(box.text(), kept);
    QCOMPARE(box.cursorPosition(), int(kept.size()));
}

QTEST_MAIN(TestTextBoxBehaviour)
#include "tst_textboxbehaviour.moc"
