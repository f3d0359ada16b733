// The record selection window: its lines, the scroll bar, clicks and arrow
// keys, following the current record, and that it cannot be closed.
#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "records/record.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/support/frame_fixture.h"

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

class TestRecordListWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void fittingAndScrolling_data();
    void fittingAndScrolling();
    void scrollBarMovesTheWindow();
    void clickMakesTheRecordCurrent();
    void arrowKeys();
    void arrowKeysAfterAClick();
    void followsTheCurrentRecord();
    void followsNewRecords();
    void cannotBeClosed();
    void unreadableDateIsRepaired();

  private:
    int radky_ = 0;
};

void TestRecordListWindow::initTestCase() {
    radky_ = rowsOfTheList();
    QVERIFY2(radky_ > 10, "the test screen holds more than ten rows");
}

void TestRecordListWindow::fittingAndScrolling_data() {
    QTest::addColumn<int>(
        "extra"); // records beyond RadkySeznamu; the window arithmetic has its own table in core
    QTest::newRow("exactly the rows") << 0;
    QTest::newRow("one more") << 1;
}

void TestRecordListWindow::fittingAndScrolling() {
    QFETCH(int, extra);
    const int n = std::max(1, radky_ + extra);
    Frame f(DayRecords(n));
    QVERIFY(f.startWithList());
    RecordListWindow* s = f.hlavni->seznam();
    QCOMPARE(s->RadkySeznamu(), radky_);
    const bool scrolling = n > radky_;
    QCOMPARE(scrollBar(f)->isEnabled(), scrolling);
    // The last records, the last one selected and current.
    const int shown = scrolling ? radky_ + 1 : n;
    QCOMPARE(s->radky().size(), shown);
    QVERIFY(s->radky().front().startsWith(QString("%1").arg(n - shown + 1, 5)));
    QCOMPARE(s->vybranyRadek(), shown - 1);
    QCOMPARE(f.session.AktualniIndex(), n);
    if (scrolling) {
        QCOMPARE(scrollBar(f)->minimum(), radky_ + 1);
        QCOMPARE(scrollBar(f)->maximum(), n);
        QCOMPARE(scrollBar(f)->value(), n);
    }
}

void TestRecordListWindow::scrollBarMovesTheWindow() {
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    RecordListWindow* s = f.hlavni->seznam();
    scrollBar(f)->setValue(100);
    QCOMPARE(s->radky().front().left(5), QString("%1").arg(100 - radky_, 5));
    QCOMPARE(s->radky().back().left(5), QString("  100"));
    // The current record is not shown: no line is selected, nothing changes.
    QCOMPARE(s->vybranyRadek(), -1);
    QCOMPARE(f.session.AktualniIndex(), 300);
    scrollBar(f)->setValue(300);
    QCOMPARE(s->vybranyRadek(), radky_);
}

void TestRecordListWindow::clickMakesTheRecordCurrent() {
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    QSignalSpy zakres(f.hlavni.get(), &MainWindow::zakresPozadovan);
    QSignalSpy current(&f.hlavni->model(), &SessionModel::currentChanged);
    scrollBar(f)->setValue(150);
    QListWidget* list = listBox(f);
    const QRect rect = list->visualItemRect(list->item(3));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    const int k = 150 - radky_ + 3;
    QCOMPARE(f.session.AktualniIndex(), k);
    QCOMPARE(f.session.AktualniZaznam().Datum.raw(), f.session.record(k).Datum.raw());
    QCOMPARE(current.count(), 1);
    QVERIFY(zakres.count() >= 1);
    QCOMPARE(f.hlavni->seznam()->vybranyRadek(), 3);
}

void TestRecordListWindow::arrowKeys() {
    // The window arithmetic has its own table; here the keys reach it and the
    // list follows. Down on the last row scrolls by one record.
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    RecordListWindow* s = f.hlavni->seznam();
    scrollBar(f)->setValue(150);
    listBox(f)->setCurrentRow(radky_);
    QCOMPARE(f.session.AktualniIndex(), 150);
    QTest::keyClick(listBox(f), Qt::Key_Down);
    QCOMPARE(f.session.AktualniIndex(), 151);
    QCOMPARE(scrollBar(f)->value(), 151);
    QCOMPARE(s->vybranyRadek(), radky_);
    // Up on the first row goes a page back and shows the record before it.
    listBox(f)->setCurrentRow(0);
    const int first = s->okno().prvni();
    QCOMPARE(f.session.AktualniIndex(), first);
    QTest::keyClick(listBox(f), Qt::Key_Up);
    QCOMPARE(f.session.AktualniIndex(), first - 1);
    QCOMPARE(scrollBar(f)->value(), 151 - radky_);
    QCOMPARE(s->radky().at(s->vybranyRadek()).left(5), QString("%1").arg(first - 1, 5));
}

void TestRecordListWindow::arrowKeysAfterAClick() {
    // With the drawing window beside it, a click shows the drawing and the
    // keys that follow still step through the list.
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    DrawingWindow::vytvor(*f.hlavni);
    f.hlavni->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.hlavni.get()));
    QListWidget* list = listBox(f);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    const int k = f.session.AktualniIndex();
    QCOMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(f.session.AktualniIndex(), k + 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(f.session.AktualniIndex(), k + 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(f.session.AktualniIndex(), k + 1);
}

void TestRecordListWindow::followsTheCurrentRecord() {
    Frame f(DayRecords(300));
    QVERIFY(f.startWithList());
    RecordListWindow* s = f.hlavni->seznam();
    f.hlavni->model().setCurrent(20);
    QVERIFY(s->okno().radekZaznamu(20).has_value());
    QCOMPARE(s->radky().at(s->vybranyRadek()).left(5), QString("   20"));
    QCOMPARE(scrollBar(f)->value(), s->okno().pozice());
}

void TestRecordListWindow::followsNewRecords() {
    Frame f(DayRecords(radky_));
    QVERIFY(f.startWithList());
    QVERIFY(!scrollBar(f)->isEnabled());
    TZaznam z = f.session.record(1);
    z.Datum.setText("01.01.2030");
    f.hlavni->model().setWorkingRecord(z);
    f.hlavni->model().mergeRecords({&z, 1});
    RecordListWindow* s = f.hlavni->seznam();
    QVERIFY(scrollBar(f)->isEnabled());
    QCOMPARE(scrollBar(f)->maximum(), radky_ + 1);
    QCOMPARE(s->radky().size(), radky_ + 1);
    QVERIFY(s->radky().back().contains("01 01 2030"));
    QCOMPARE(s->vybranyRadek(), radky_);
}

void TestRecordListWindow::cannotBeClosed() {
    Frame f(DayRecords(3));
    QVERIFY(f.startWithList());
    QMdiSubWindow* sub = f.hlavni->plocha()->subWindowList().front();
    QVERIFY(!sub->close());
    QVERIFY(sub->isVisible());
    QVERIFY(!(sub->windowFlags() & Qt::WindowCloseButtonHint));
}

void TestRecordListWindow::unreadableDateIsRepaired() {
    std::vector<TZaznam> records = DayRecords(5);
    records[2].Datum.setText("3?.01.2020");
    Frame f(records);
    QVERIFY(f.startWithList());
    QCOMPARE(f.session.PocetZaznamu(), 4);
    QVERIFY(f.session.ZmenaDat());
    QVERIFY(f.zpravy.zpravy.contains("Došlo k chybě zápisu data\rbube automaticky opraven"));
    QCOMPARE(f.hlavni->seznam()->radky().size(), 4);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(RecordDate(f.session.record(k)).has_value());
}

QTEST_MAIN(TestRecordListWindow)
#include "tst_record_list_window.moc"
