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
    return f.mainWindow->recordList()->ListRows();
}

QListWidget* listBox(Frame& f) {
    return f.mainWindow->recordList()->findChild<QListWidget*>("ListBox1");
}
QScrollBar* scrollBar(Frame& f) {
    return f.mainWindow->recordList()->findChild<QScrollBar*>("ScrollBar1");
}

} // namespace

class TestRecordListWindow : public QObject {
    Q_OBJECT
    int rows_ = 0;

  private slots:
    void initTestCase() {
        rows_ = rowsOfTheList();
        QVERIFY2(rows_ > 10, "the test screen holds more than ten rows");
    }

    void fittingAndScrolling_data() {
        QTest::addColumn<int>(
            "extra"); // records beyond ListRows; the window arithmetic has its own table in core
        QTest::newRow("exactly the rows") << 0;
        QTest::newRow("one more") << 1;
    }

    void fittingAndScrolling() {
        QFETCH(int, extra);
        const int n = std::max(1, rows_ + extra);
        Frame f(DayRecords(n));
        QVERIFY(f.startWithList());
        RecordListWindow* s = f.mainWindow->recordList();
        QCOMPARE(s->ListRows(), rows_);
        const bool scrolling = n > rows_;
        QCOMPARE(scrollBar(f)->isEnabled(), scrolling);
        // The last records, the last one selected and current.
        const int shown = scrolling ? rows_ + 1 : n;
        QCOMPARE(s->rows().size(), shown);
        QVERIFY(s->rows().front().startsWith(QString("%1").arg(n - shown + 1, 5)));
        QCOMPARE(s->selectedRow(), shown - 1);
        QCOMPARE(f.session.currentIndex(), n);
        if (scrolling) {
            QCOMPARE(scrollBar(f)->minimum(), rows_ + 1);
            QCOMPARE(scrollBar(f)->maximum(), n);
            QCOMPARE(scrollBar(f)->value(), n);
        }
    }

    void scrollBarMovesTheWindowAndTheCurrentRecordFollows() {
        Frame f(DayRecords(300));
        QVERIFY(f.startWithList());
        RecordListWindow* s = f.mainWindow->recordList();
        scrollBar(f)->setValue(100);
        QCOMPARE(s->rows().front().left(5), QString("%1").arg(100 - rows_, 5));
        QCOMPARE(s->rows().back().left(5), QString("  100"));
        // The current record is not shown: no line is selected, nothing changes.
        QCOMPARE(s->selectedRow(), -1);
        QCOMPARE(f.session.currentIndex(), 300);
        scrollBar(f)->setValue(300);
        QCOMPARE(s->selectedRow(), rows_);
        // A record made current elsewhere is scrolled into the list and selected.
        f.mainWindow->model().setCurrent(20);
        QVERIFY(s->window().rowOfRecord(20).has_value());
        QCOMPARE(s->rows().at(s->selectedRow()).left(5), QString("   20"));
        QCOMPARE(scrollBar(f)->value(), s->window().position());
    }

    // A click makes the record current and asks for its drawing; with the
    // drawing window beside the list, the keys that follow still step through
    // the list.
    void clickMakesTheRecordCurrentAndTheKeysFollow() {
        Frame f(DayRecords(300));
        QVERIFY(f.startWithList());
        DrawingWindow::createWindow(f.mainWindow->context());
        f.mainWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.mainWindow.get()));
        QSignalSpy drawingRequests(f.mainWindow.get(), &MainWindow::drawingRequested);
        QSignalSpy current(&f.mainWindow->model(), &SessionModel::currentChanged);
        scrollBar(f)->setValue(150);
        QListWidget* list = listBox(f);
        const QRect rect = list->visualItemRect(list->item(3));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        const int k = 150 - rows_ + 3;
        QCOMPARE(f.session.currentIndex(), k);
        QCOMPARE(f.session.workingRecord().Datum.raw(), f.session.record(k).Datum.raw());
        QCOMPARE(current.count(), 1);
        QVERIFY(drawingRequests.count() >= 1);
        QCOMPARE(f.mainWindow->recordList()->selectedRow(), 3);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(f.session.currentIndex(), k + 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(f.session.currentIndex(), k + 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(f.session.currentIndex(), k + 1);
    }

    void arrowKeys() {
        // The window arithmetic has its own table; here the keys reach it and the
        // list follows. Down on the last row scrolls by one record.
        Frame f(DayRecords(300));
        QVERIFY(f.startWithList());
        RecordListWindow* s = f.mainWindow->recordList();
        scrollBar(f)->setValue(150);
        listBox(f)->setCurrentRow(rows_);
        QCOMPARE(f.session.currentIndex(), 150);
        QTest::keyClick(listBox(f), Qt::Key_Down);
        QCOMPARE(f.session.currentIndex(), 151);
        QCOMPARE(scrollBar(f)->value(), 151);
        QCOMPARE(s->selectedRow(), rows_);
        // Up on the first row goes a page back and shows the record before it.
        listBox(f)->setCurrentRow(0);
        const int first = s->window().first();
        QCOMPARE(f.session.currentIndex(), first);
        QTest::keyClick(listBox(f), Qt::Key_Up);
        QCOMPARE(f.session.currentIndex(), first - 1);
        QCOMPARE(scrollBar(f)->value(), 151 - rows_);
        QCOMPARE(s->rows().at(s->selectedRow()).left(5), QString("%1").arg(first - 1, 5));
    }

    void followsNewRecordsAndStaysOpen() {
        Frame f(DayRecords(rows_));
        QVERIFY(f.startWithList());
        QVERIFY(!scrollBar(f)->isEnabled());
        TZaznam z = f.session.record(1);
        z.Datum.setText("01.01.2030");
        f.mainWindow->model().setWorkingRecord(z);
        f.mainWindow->model().mergeRecords({&z, 1});
        RecordListWindow* s = f.mainWindow->recordList();
        QVERIFY(scrollBar(f)->isEnabled());
        QCOMPARE(scrollBar(f)->maximum(), rows_ + 1);
        QCOMPARE(s->rows().size(), rows_ + 1);
        QVERIFY(s->rows().back().contains("01 01 2030"));
        QCOMPARE(s->selectedRow(), rows_);
        // The user cannot close it.
        QMdiSubWindow* sub = f.mainWindow->area()->subWindowList().front();
        QVERIFY(!(sub->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!sub->close());
        QVERIFY(sub->isVisible());
    }

    void unreadableDateIsRepaired() {
        std::vector<TZaznam> records = DayRecords(5);
        records[2].Datum.setText("3?.01.2020");
        Frame f(records);
        QVERIFY(f.startWithList());
        QCOMPARE(f.session.recordCount(), 4);
        QVERIFY(f.session.dataChanged());
        QVERIFY(
            f.messages.messages.contains("Došlo k chybě zápisu data\rbube automaticky opraven"));
        QCOMPARE(f.mainWindow->recordList()->rows().size(), 4);
        for (int k = 1; k <= 4; ++k)
            QVERIFY(RecordDate(f.session.record(k)).has_value());
    }
};

QTEST_MAIN(TestRecordListWindow)
#include "tst_record_list_window.moc"
