// Playing with the keyboard: arrows move a cursor over the board, Space and
// Enter click its cell through the same guard as the mouse.
#include <QApplication>
#include <QTest>
#include <memory>

#include "play/Play.h"
#include "qt/WindowRig.h"

using namespace zorbel;
using namespace zorbel::test;

class KeyboardCursorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::frmMain> w_;
    Game& g() { return w_->game(); }
    ui::BoardWidget* board() { return w_->board(); }
    Int cursor() { return board()->cursorCell(); }
    // Real key events through the window system, to whatever has the focus.
    void Key(Qt::Key k, int times = 1, Qt::KeyboardModifiers m = {}) {
        for (int n = 0; n < times; ++n) QTest::keyClick(w_->windowHandle(), k, m);
    }
    // Shows the cursor on cell 1 and walks it to cell i.
    void WalkTo(Int i) {
        Key(Qt::Key_Up);
        Key(Qt::Key_Left, kColumns);
        Key(Qt::Key_Up, kRows);
        Key(Qt::Key_Right, ColumnOf(i) - 1);
        Key(Qt::Key_Down, RowOf(i) - 1);
        QCOMPARE(cursor(), i);
    }

private slots:
    void init() {
        w_ = std::make_unique<ui::frmMain>(20240607);
        ShowActive(*w_);
        QCOMPARE(QApplication::focusWidget(), board());
    }
    void cleanup() { w_.reset(); }

    void arrowsShowTheCursorAndStopAtTheEdges() {
        QCOMPARE(cursor(), Int(0));
        Key(Qt::Key_Left);  // the first arrow only shows it, on the top-left cell
        QCOMPARE(cursor(), Int(1));
        Key(Qt::Key_Up);
        QCOMPARE(cursor(), Int(1));
        Key(Qt::Key_Right, 20);
        QCOMPARE(cursor(), Int(15));  // no wrap into the next row
        Key(Qt::Key_Down, 20);
        QCOMPARE(cursor(), Int(150));
        Key(Qt::Key_Left);
        QCOMPARE(cursor(), Int(149));
        Key(Qt::Key_Right, 1, Qt::ControlModifier);  // held with Ctrl: not the cursor's
        QCOMPARE(cursor(), Int(149));

        // A mouse press hides it; the next arrow shows it on the selected cell.
        QTest::mouseClick(board(), Qt::LeftButton, {}, At(40));
        QCOMPARE(g().FirstCell, Int(40));
        QCOMPARE(cursor(), Int(0));
        Key(Qt::Key_Down);
        QCOMPARE(cursor(), Int(40));
    }

    // The cursor is the window's: moving it repaints its two cells and
    // changes nothing in the game, and it stays put across new games.
    void movingRepaintsTwoCellsAndLeavesTheGameAlone() {
        const CellArray board0 = g().Board;
        Key(Qt::Key_Right);
        const int before = board()->RepaintRequests();
        Key(Qt::Key_Right);
        QCOMPARE(board()->RepaintRequests(), before + 2);
        const QImage grab = board()->grab().toImage();
        QCOMPARE(grab.pixelColor(At(2) - QPoint(19, 19)), QColor(Qt::black));  // the frame, on cell 2
        QCOMPARE(grab.pixelColor(At(1) - QPoint(19, 19)), QColor(192, 192, 255));
        QCOMPARE(g().Board, board0);
        QCOMPARE(g().FirstCell, Int(0));
        QVERIFY(!w_->timer(Timer::Main).isActive() && !w_->timer(Timer::Auto).isActive());

        Key(Qt::Key_F2);
        Key(Qt::Key_F5);
        QCOMPARE(g().ColorCount, Int(5));
        QCOMPARE(cursor(), Int(2));
    }

    // A move is Space, an arrow, Space; Enter clicks as well.
    void aWholeMoveByKeys() {
        LayBoard(*w_, Checker);
        WalkTo(50);
        Key(Qt::Key_Space);
        QCOMPARE(g().FirstCell, Int(50));
        Key(Qt::Key_Right);
        Key(Qt::Key_Enter);
        QVERIFY(w_->timer(Timer::Main).isActive());
        QCOMPARE(g().Board[50], Checker(51));
        QCOMPARE(g().Board[51], Checker(50));
        Settle(*w_);
    }

    void clicksGoThroughTheGuard_data() {
        QTest::addColumn<QString>("when");
        QTest::newRow("settling") << QStringLiteral("settling");
        QTest::newRow("automatic play") << QStringLiteral("auto");
        QTest::newRow("on the selected cell") << QStringLiteral("selected");
    }
    void clicksGoThroughTheGuard() {
        QFETCH(QString, when);
        LayBoard(*w_, Checker);
        if (when == QLatin1String("settling")) {
            ClickCell(g(), 50);
            ClickCell(g(), 51);
        } else if (when == QLatin1String("auto")) {
            w_->action("mnuAuto")->trigger();
            QVERIFY(w_->timer(Timer::Auto).isActive());
        } else {
            ClickCell(g(), 7);
        }
        WalkTo(7);
        const GameState before = g();
        const int repaints = board()->RepaintRequests();
        Key(Qt::Key_Space);
        Key(Qt::Key_Return);
        QCOMPARE(g().FirstCell, before.FirstCell);
        QCOMPARE(g().Marks, before.Marks);
        QCOMPARE(g().Board, before.Board);
        QCOMPARE(board()->RepaintRequests(), repaints);
    }

    // With the board focused, the F-keys still reach their menu items and
    // Escape still closes the window.
    void menuKeysAndEscapeStillWork() {
        Key(Qt::Key_Down);
        Key(Qt::Key_F1);
        QCOMPARE(g().FirstCell, g().HintFrom);
        Key(Qt::Key_Escape);
        QVERIFY(!w_->isVisible());
    }
};

QTEST_MAIN(KeyboardCursorTest)
#include "KeyboardCursorTest.moc"
