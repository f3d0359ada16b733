// The picture windows and the command line's render commands draw the same
// scene alike: the window's canvas, set up through its panel and menu at a
// client size, equals pixel for pixel the CLI's PNG of that size and flags.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

#include "demo/demo.h"
#include "ui/frame/install_windows.h"
#include "ui/support/frame_fixture.h"
#include "ui/support/picture_compare.h"

using namespace hk;
using namespace hk::test;

class TestPictureParity : public QObject {
    Q_OBJECT
    TempDir demo_;
    std::unique_ptr<Frame> f_;

  private slots:
    void initTestCase() {
        DemoOptions o{.years = 3, .perYear = 80, .endDate = {2014, 12, 31}};
        WriteDemoDirectory(demo_.path(), o);
    }

    void init() {
        f_ = std::make_unique<Frame>(std::vector<TZaznam>{});
        f_->copyIn(demo_.path());
        QVERIFY(f_->start());
        installWindows(*f_->mainWindow);
        f_->mainWindow->show();
    }

    void cleanup() { f_.reset(); }

    // Each row: the command that opens the window, the panel and menu
    // commands that set its view ("+name" ticks a box or presses a button of
    // the window), and the CLI's command with the same view.
    void windowEqualsCommandLine_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("cli");
        struct View {
            const char* name;
            QStringList commands;
            const char* cli;
            const char* sizeOption;
        };
        const View views[] = {
            {"butterfly, spots",
             {"motylek1", "vlevo", "vlevo", "vlevo", "vlevo", "vpravo"},
             "render butterfly --rotation-scale 2",
             "--size"},
            {"butterfly, both with curves and bars",
             {"motylek1", "vlevo", "vlevo", "vlevo", "vlevo", "vpravo", "vpravo", "skvrfak",
              "sirfakule", "vyskvrn", "hranice", "vetsi"},
             "render butterfly --rotation-scale 4 --mode both --faculae-bars --mean --bounds "
             "--latitude-scale 4",
             "--size"},
            {"graph, groups", {"graf"}, "render graph --series g", "--window"},
            {"graph, spots north",
             {"graf", "fb", "sevrni"},
             "render graph --series f --view north",
             "--window"},
            {"graph, Inter SOL", {"graf", "solgraf"}, "render graph --series intersol", "--window"},
            {"smoothed, groups", {"vyhlazovaci"}, "render smoothed --series g", "--window"},
            {"smoothed, relative number with the international one",
             {"vyhlazovaci", "rv", "+Bruselvy", "+potvrdp"},
             "render smoothed --series r --brussels 1",
             "--window"},
            {"smoothed, spots north with areas and flux",
             {"vyhlazovaci", "fv", "severni", "+bruselploch", "+radiotok", "+vybtokADJ",
              "+potvrdp"},
             "render smoothed --series f --hemisphere north --areas --flux adj",
             "--window"},
            {"asymmetry, difference",
             {"asyroz"},
             "render asymmetry --series g --kind difference",
             "--window"},
            {"asymmetry, monthly ratio of spots",
             {"asypo", "fv", "mesicni"},
             "render asymmetry --series f --kind ratio --period month",
             "--window"},
        };
        for (const QSize& s : ParitySizes)
            for (const View& v : views)
                QTest::addRow("%s %dx%d", v.name, s.width(), s.height())
                    << s << v.commands
                    << QStringLiteral("%1 %2 %3").arg(v.cli, v.sizeOption, SizeText(s));
    }

    void windowEqualsCommandLine() {
        QFETCH(QSize, size);
        QFETCH(QStringList, commands);
        QFETCH(QString, cli);
        f_->mainWindow->action(commands.front())->trigger();
        QMdiSubWindow* sub = f_->mainWindow->area()->activeSubWindow();
        QVERIFY(sub);
        auto* canvas = sub->findChild<QWidget*>(QStringLiteral("platno"));
        QVERIFY(canvas);
        sub->resize(sub->size() + (size - canvas->size()));
        QTRY_COMPARE(canvas->size(), size);
        for (const QString& c : commands.mid(1)) {
            if (c.startsWith('+')) {
                // A box of the window ticked or its button pressed.
                auto* button = sub->findChild<QAbstractButton*>(c.mid(1));
                QVERIFY2(button, qPrintable(c));
                if (button->isCheckable())
                    button->setChecked(true);
                else
                    button->click();
            } else {
                f_->mainWindow->action(c)->trigger();
            }
        }
        // At the start of the time axis, without the size label (as F8 saves it).
        sub->findChild<QScrollBar*>(QStringLiteral("HorzScrollBar"))->setValue(0);
        for (QLabel* label : canvas->findChildren<QLabel*>())
            label->hide();
        const int space = cli.indexOf(' ', cli.indexOf(' ') + 1);
        const QString dir = QString::fromStdString(ShellQuoted(f_->dir.path()));
        QCOMPARE(DifferingPixels(canvas->grab().toImage(),
                                 CliPicture(f_->dir.path(), cli.insert(space, ' ' + dir))),
                 0);
    }
};

QTEST_MAIN(TestPictureParity)
#include "tst_picture_parity.moc"
