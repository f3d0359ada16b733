// The record selection window: its lines, the scroll bar, clicks and arrow
// keys, following the current record, and that it cannot be closed.
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "ui/support/frame_fixture.h"
#include "ui/vybrat.h"

using namespace hk;
using namespace hk::test;

namespace {

// Rows of the list on the test screen (the same for every frame).
int rowsOfTheList() {
    Frame f(DayRecords(1));
    if (!f.startWithList()) return -1;
    return f.hlavni->seznam()->RadkySeznamu();
}

QListWidget* listBox(Frame& f) {
    return f.hlavni->seznam()->findChild<QListWidget*>("ListBox1");
}
QScrollBar* scrollBar(Frame& f) {
    return f.hlavni->seznam()->findChild<QScrollBar*>("ScrollBar1");
}

} // namespace

class TestVybrat : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void lineOfTheExample();
    void fittingAndScrolling_data();
    void fittingAndScrolling();
    void scrollBarMovesTheWindow();
    void clickMakesTheRecordCurrent();
    void arrowKeys_data();
    void arrowKeys();
    void sipkadolu();
    void followsTheCurrentRecord();
    void followsNewRecords();
    void cannotBeClosed();

  private:
    int radky_ = 0;
};

void TestVybrat::initTestCase() {
    radky_ = rowsOfTheList();
    QVERIFY2(radky_ > 10, "the test screen holds more than ten rows");
}

void TestVybrat::lineOfTheExample() {
    auto records = DayRecords(2);
    records[0].Datum.setText("05.07.2014");
    records[0].CisloZakresu = 121;
    records[1].Datum.setText("06.07.2014");
    records[1].Cas = 1200;
    records[1].CisloZakresu = 0;
    Frame f(records);
    QVERIFY(f.startWithList());
    QCOMPARE(f.hlavni->seznam()->radky(), QStringList({"    1     05 07 2014  0705    001/21",
                                                       "    2     06 07 2014  1200    "}));
    QCOMPARE(f.hlavni->seznam()->vybranyRadek(), 1);
}

void TestVybrat::fittingAndScrolling_data() {
    QTest::addColumn<int>("extra"); // records beyond RadkySeznamu
    QTest::newRow("one record") << -1000;
    QTest::newRow("exactly the rows") << 0;
    QTest::newRow("one more") << 1;
    QTest::newRow("many") << 500;
}

void TestVybrat::fittingAndScrolling() {
    QFETCH(int, extra);
    const int n = std::max(1, radky_ + extra);
    Frame f(DayRecords(n));
    QVERIFY(f.startWithList());
    VybratWindow* s = f.hlavni->seznam();
    QCOMPARE(s->RadkySeznamu(), radky_);
    const bool scrolling = n > radky_;
    QCOMPARE(scrollBar(f)->isEnabled(), scrolling);
    // The last records, the last one selected and current.
    const int shown = scrolling ? radky_ + 1 : n;
    QCOMPARE(s->radky().size(), shown);
    QVERIFY(s->radky().front().startsWith(QString("%1").arg(n - shown + 1, 5)));
    QCOMPARE(s->vybranyRadek(), shown - 1);
    QCOMPARE(f.session.AktualniIndex, n);
    if (scrolling) {
        QCOMPARE(scrollBar(f)->minimum(), radky_ + 1);
        QCOMPARE(scrollBar(f)->maximum(), n);
        QCOMPARE(scrollBar(f)->value(), n);
    }
}

void TestVybrat::scrollBarMovesTheWindow() {
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    VybratWindow* s = f.hlavni->seznam();
    scrollBar(f)->setValue(100);
    QCOMPARE(s->radky().front().left(5), QString("%1").arg(100 - radky_, 5));
    QCOMPARE(s->radky().back().left(5), QString("  100"));
    // The current record is not shown: no line is selected, nothing changes.
    QCOMPARE(s->vybranyRadek(), -1);
    QCOMPARE(f.session.AktualniIndex, 300);
    scrollBar(f)->setValue(300);
    QCOMPARE(s->vybranyRadek(), radky_);
}

void TestVybrat::clickMakesTheRecordCurrent() {
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    QSignalSpy zakres(f.hlavni.get(), &HlavniWindow::zakresPozadovan);
    QSignalSpy current(&f.hlavni->model(), &SessionModel::currentChanged);
    scrollBar(f)->setValue(150);
    QListWidget* list = listBox(f);
    const QRect rect = list->visualItemRect(list->item(3));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    const int k = 150 - radky_ + 3;
    QCOMPARE(f.session.AktualniIndex, k);
    QCOMPARE(f.session.AktualniZaznam.Datum.raw(), f.session.record(k).Datum.raw());
    QCOMPARE(current.count(), 1);
    QVERIFY(zakres.count() >= 1);
    QCOMPARE(f.hlavni->seznam()->vybranyRadek(), 3);
}

void TestVybrat::arrowKeys_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("pozice"); // scroll position before
    QTest::addColumn<int>("row");    // selected row before
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("current"); // current record after, relative: see below
    QTest::addColumn<int>("pozice2"); // scroll position after
    // Records are given relative to the rows R: value v means v + R when
    // marked with 1000 (v - 1000 + R), as such otherwise.
    QTest::newRow("down on the last row scrolls one record")
        << 300 << 150 << -1 << int(Qt::Key_Down) << 151 << 151;
    QTest::newRow("down inside") << 300 << 150 << 2 << int(Qt::Key_Down) << -3 << 150;
    QTest::newRow("down at the very end") << 300 << 300 << -1 << int(Qt::Key_Down) << 300 << 300;
    QTest::newRow("up on the first row goes a page back")
        << 300 << 150 << 0 << int(Qt::Key_Up) << -2 << -4;
    QTest::newRow("up at the start") << 300 << 0 << 0 << int(Qt::Key_Up) << 1 << 0;
    QTest::newRow("no scroll bar") << 5 << 5 << 4 << int(Qt::Key_Up) << 4 << 5;
}

void TestVybrat::arrowKeys() {
    QFETCH(int, records);
    QFETCH(int, pozice);
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, current);
    QFETCH(int, pozice2);
    const int R = radky_;
    if (pozice == 0) pozice = R + 1;
    if (pozice2 == 0) pozice2 = R + 1;
    // Negative expectations: -3 = the record below the selected row,
    // -2 = one record before the first shown, -4 = a page back.
    Frame f(DayRecords(records));
    QVERIFY(f.startWithList());
    VybratWindow* s = f.hlavni->seznam();
    if (records > R) scrollBar(f)->setValue(pozice);
    if (row < 0) row = s->radky().size() - 1;
    listBox(f)->setCurrentRow(row);
    const int before = f.session.AktualniIndex;
    const int first = s->okno().prvni();
    if (current == -3) current = before + 1;
    if (current == -2) current = first - 1;
    if (pozice2 == -4) pozice2 = pozice - R;

    QTest::keyClick(listBox(f), Qt::Key(key));
    QCOMPARE(f.session.AktualniIndex, current);
    QCOMPARE(s->okno().pozice(), records > R ? pozice2 : records);
    // The new current record is shown and selected.
    QCOMPARE(s->radky().at(s->vybranyRadek()).left(5), QString("%1").arg(current, 5));
}

void TestVybrat::sipkadolu() {
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    f.hlavni->model().setCurrent(100);
    f.hlavni->seznam()->sipkadolu();
    QCOMPARE(f.session.AktualniIndex, 101);
    f.hlavni->seznam()->sipkadolu();
    QCOMPARE(f.session.AktualniIndex, 102);
}

void TestVybrat::followsTheCurrentRecord() {
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    VybratWindow* s = f.hlavni->seznam();
    f.hlavni->model().setCurrent(20);
    QVERIFY(s->okno().radekZaznamu(20).has_value());
    QCOMPARE(s->radky().at(s->vybranyRadek()).left(5), QString("   20"));
    QCOMPARE(scrollBar(f)->value(), s->okno().pozice());
}

void TestVybrat::followsNewRecords() {
    Frame f(DayRecords(radky_));
    QVERIFY(f.startWithList());
    QVERIFY(!scrollBar(f)->isEnabled());
    TZaznam z = f.session.record(1);
    z.Datum.setText("01.01.2030");
    f.session.appendRecords({&z, 1});
    f.session.AktualniIndex = f.session.PocetZaznamu();
    f.session.AktualniZaznam = z;
    f.hlavni->model().notifyRecordsChanged();
    VybratWindow* s = f.hlavni->seznam();
    QVERIFY(scrollBar(f)->isEnabled());
    QCOMPARE(scrollBar(f)->maximum(), radky_ + 1);
    QCOMPARE(s->radky().size(), radky_ + 1);
    QVERIFY(s->radky().back().contains("01 01 2030"));
    QCOMPARE(s->vybranyRadek(), radky_);
}

void TestVybrat::cannotBeClosed() {
    Frame f(DayRecords(3));
    QVERIFY(f.startWithList());
    QMdiSubWindow* sub = f.hlavni->plocha()->subWindowList().front();
    QVERIFY(!sub->close());
    QVERIFY(sub->isVisible());
    QVERIFY(!(sub->windowFlags() & Qt::WindowCloseButtonHint));
}

QTEST_MAIN(TestVybrat)
#include "tst_vybrat.moc"
