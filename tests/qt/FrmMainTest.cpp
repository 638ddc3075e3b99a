// The window as the player meets it: menus, layout, mouse, keys, drawing and
// timers. Boards are laid by hand where a move must behave predictably.
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <memory>

#include "engine/Engine.h"
#include "engine/Pictures.h"
#include "qt/FrmMain.h"
#include "qt/WindowRig.h"

using namespace zorbel;
using namespace zorbel::ui;
using zorbel::test::At;
using zorbel::test::Checker;
using zorbel::test::Describe;
using zorbel::test::Leaves;

namespace {

constexpr std::uint64_t kSeed = 20240607;
const QColor kLavender(192, 192, 255);

QImage Rgb(const QImage& img) { return img.convertToFormat(QImage::Format_RGB32); }

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> w_;

    Game& g() { return w_->game(); }
    QAction* act(const char* name) { return w_->action(name); }
    bool checked(const char* name) { return act(name)->isChecked(); }

    void LayBoard(Int (*colour)(Int)) { test::LayBoard(*w_, colour); }
    void Press(Int i, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(w_->board(), b, {}, At(i)); }
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(w_->board(), b, {}, p); }
    int MarkCount() {
        int n = 0;
        for (Int i = 1; i <= kCells; ++i) n += g().Marks[i] != 0;
        return n;
    }
    void ShowActive() { test::ShowActive(*w_); }
    // Opens the options menu and clicks the item as the player would.
    void ClickInOptionsMenu(const char* name) {
        QMenu* options = w_->menuBar()->actions()[1]->menu();
        options->popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(options));
        QTest::mouseClick(options, Qt::LeftButton, {}, options->actionGeometry(act(name)).center());
        options->close();
    }
    QImage CellImage(const QImage& grab, Int i) { return Rgb(grab.copy(CellRect(i).translated(-kGridLeft, -kGridTop))); }
    QImage PictureImage(int n) { return Rgb(w_->board()->Picture(n).toImage()); }

private slots:
    void init() {
        w_ = std::make_unique<frmMain>(kSeed);
        QVERIFY(!w_->timer(Timer::Main).isActive());  // the dealt board has moves
    }
    void cleanup() { w_.reset(); }

    // ---- Menus ----------------------------------------------------------

    void menus_treeCaptionsSeparatorsAndOrder() {
        const QList<QAction*> top = w_->menuBar()->actions();
        QCOMPARE(top.size(), 2);
        QCOMPARE(top[0]->text(), QStringLiteral("Игра"));
        QCOMPARE(top[1]->text(), QStringLiteral("Настройки"));
        QCOMPARE(Describe(top[0]->menu()), QStringLiteral("Новая|-|Подсказка"));
        QCOMPARE(Describe(top[1]->menu()),
                 QStringLiteral("Количество цветов[8 цветов|7 цветов|6 цветов|5 цветов]|"
                                "Скорость обновления[10 раз в сек|5 раз в сек|4 раза в сек|2 раза в сек|1 раз в сек]|"
                                "-|Задействовать активные шарики|Активные шарики каждый ход|-|Автоматическая игра|-|"
                                "Значки на шариках"));
    }

    void menus_shortcutsAndInitialChecks() {
        const QMap<QString, QKeySequence> keys{
            {QStringLiteral("Новая"), QKeySequence(Qt::Key_F2)},    {QStringLiteral("Подсказка"), QKeySequence(Qt::Key_F1)},
            {QStringLiteral("8 цветов"), QKeySequence(Qt::Key_F8)}, {QStringLiteral("7 цветов"), QKeySequence(Qt::Key_F7)},
            {QStringLiteral("6 цветов"), QKeySequence(Qt::Key_F6)}, {QStringLiteral("5 цветов"), QKeySequence(Qt::Key_F5)},
        };
        QStringList checkedAtStart;
        const QList<QAction*> leaves = Leaves(w_->menuBar()->actions());
        QCOMPARE(leaves.size(), 15);
        for (const QAction* a : leaves) {
            QCOMPARE(a->shortcut(), keys.value(a->text()));  // empty for the speeds and the on/off items
            if (a->isChecked()) checkedAtStart << a->text();
        }
        QCOMPARE(checkedAtStart,
                 QStringList({"6 цветов", "4 раза в сек", "Задействовать активные шарики"}));
        QVERIFY(act("mnuFishStep")->isEnabled());
        QVERIFY(!checked("mnuFishStep"));
    }

    void menus_windowLook() {
        QCOMPARE(w_->windowTitle(), QStringLiteral("Зорбель"));
        QCOMPARE(w_->centralWidget()->size(), QSize(kClientWidth, kClientHeight));
        QCOMPARE(w_->centralWidget()->palette().color(QPalette::Window), kLavender);
        QCOMPARE(w_->font().family(), QStringLiteral("Calibri"));
        QCOMPARE(w_->font().pointSize(), 9);
        QCOMPARE(w_->lblSteps()->font().family(), QStringLiteral("Calibri"));
        // The margins right of and below the grid show the window's colour.
        const QImage client = w_->centralWidget()->grab().toImage();
        QCOMPARE(client.pixelColor(608, 200), kLavender);
        QCOMPARE(client.pixelColor(400, 407), kLavender);
    }

    // Qt flips a checkable item by itself; choosing the value in force must
    // leave its mark on and deal no new board.
    void menus_sameValueKeepsCheckMark() {
        const CellArray before = g().Board;
        act("mnuColors6")->trigger();
        QVERIFY(checked("mnuColors6"));
        QCOMPARE(g().Board, before);
        act("mnuSpeed250")->trigger();
        QVERIFY(checked("mnuSpeed250"));
        QCOMPARE(g().TickMs, Int(250));

        act("mnuColors7")->trigger();
        QCOMPARE(g().ColorCount, Int(7));
        QVERIFY(checked("mnuColors7") && !checked("mnuColors6"));
        QVERIFY(g().Board != before);
        act("mnuColors7")->trigger();
        QVERIFY(checked("mnuColors7"));
    }

    void menus_disabledEveryMoveCannotBeChosen() {
        ClickInOptionsMenu("mnuFishStep");  // enabled: a click toggles it
        QVERIFY(checked("mnuFishStep"));
        QCOMPARE(g().ActiveEveryMove, Int(1));

        act("mnuFishOk")->trigger();
        QVERIFY(!checked("mnuFishOk"));
        QVERIFY(!act("mnuFishStep")->isEnabled());
        QVERIFY(!checked("mnuFishStep"));

        act("mnuFishStep")->trigger();
        act("mnuFishStep")->activate(QAction::Trigger);
        ClickInOptionsMenu("mnuFishStep");
        QVERIFY(!checked("mnuFishStep"));
        QCOMPARE(g().ActiveEveryMove, Int(0));

        act("mnuFishOk")->trigger();  // back on: enabled again, still unchecked
        QVERIFY(act("mnuFishStep")->isEnabled());
        QVERIFY(!checked("mnuFishStep"));
        QCOMPARE(g().ActiveEveryMove, Int(0));
    }

    // ---- Geometry -------------------------------------------------------

    void geometry_cellsAndLabels() {
        QCOMPARE(w_->board()->geometry(), QRect(5, 5, 600, 400));
        QCOMPARE(CellRect(1), QRect(5, 5, 40, 40));
        QCOMPARE(CellRect(15).topLeft(), QPoint(565, 5));
        QCOMPARE(CellRect(16).topLeft(), QPoint(5, 45));
        QCOMPARE(CellRect(136).topLeft(), QPoint(5, 365));
        QCOMPARE(CellRect(150), QRect(565, 365, 40, 40));
        QCOMPARE(BoardWidget::CellAt(QPoint(44 - 5, 10)), Int(1));
        QCOMPARE(BoardWidget::CellAt(QPoint(45 - 5, 10)), Int(2));
        QCOMPARE(BoardWidget::CellAt(QPoint(10, 44 - 5)), Int(1));
        QCOMPARE(BoardWidget::CellAt(QPoint(10, 45 - 5)), Int(16));
        QCOMPARE(BoardWidget::CellAt(QPoint(599, 399)), Int(150));
        QCOMPARE(BoardWidget::CellAt(QPoint(600, 10)), Int(0));
        QCOMPARE(BoardWidget::CellAt(QPoint(10, 400)), Int(0));
        QCOMPARE(BoardWidget::CellAt(QPoint(-1, 10)), Int(0));
        // High-density screens report fractions: a point belongs to the
        // pixel it lies in, not to the nearest pixel edge.
        QCOMPARE(BoardWidget::CellAt(QPointF(39.6, 10)), Int(1));
        QCOMPARE(BoardWidget::CellAt(QPointF(-0.4, 10)), Int(0));

        QCOMPARE(w_->lblSteps()->geometry(), QRect(5, 410, 139, 19));
        QCOMPARE(w_->lblExp()->geometry(), QRect(165, 410, 139, 19));
        for (const QLabel* l : {w_->lblSteps(), w_->lblExp()}) {
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::black));
            QVERIFY(!l->isHidden());
        }
        QVERIFY(w_->lblSteps()->text().startsWith(QStringLiteral("Ходов")));
        QVERIFY(w_->lblExp()->text().isEmpty());
    }

    // ---- Mouse ----------------------------------------------------------

    void mouse_pressAndReleaseOnOneCellSelectsIt() {
        LayBoard(Checker);
        Press(40);
        Release(At(40) + QPoint(15, 15));  // still inside cell 40
        QCOMPARE(g().FirstCell, Int(40));
        QCOMPARE(g().Marks[40], Int(1));
        QCOMPARE(MarkCount(), 1);
    }

    void mouse_dragToNonNeighbourSelectsTarget() {
        LayBoard(Checker);
        Press(1);
        QTest::mouseMove(w_->board(), At(77));
        Release(At(77));
        QCOMPARE(g().FirstCell, Int(77));
        QCOMPARE(MarkCount(), 1);
        QCOMPARE(g().Board[1], Checker(1));
    }

    void mouse_releaseInMarginDoesNothingMore() {
        LayBoard(Checker);
        Press(1);
        Release(QPoint(-3, -3));
        QCOMPARE(g().FirstCell, Int(1));
        Press(50);
        Release(QPoint(600 + 3, 10));
        QCOMPARE(g().FirstCell, Int(50));
        QCOMPARE(MarkCount(), 1);
    }

    void mouse_rightAndMiddleButtonsActLikeLeft() {
        LayBoard(Checker);
        Press(3, Qt::RightButton);
        Release(At(100), Qt::RightButton);
        QCOMPARE(g().FirstCell, Int(100));
        QTest::mousePress(w_->board(), Qt::MiddleButton, Qt::ShiftModifier, At(20));
        QTest::mouseRelease(w_->board(), Qt::MiddleButton, Qt::ShiftModifier, At(20));
        QCOMPARE(g().FirstCell, Int(20));
    }

    void mouse_pressOnSelectedCellIsTurnedAway() {
        LayBoard(Checker);
        Press(50);
        Release(At(50));
        Press(50);
        Release(At(51));  // the release counts for 50 itself, the selected cell
        QCOMPARE(g().FirstCell, Int(50));
        QCOMPARE(g().Board[51], Checker(51));
    }

    // A good swap starts the settle timer; until it stops nothing the mouse
    // does counts, and a press turned away is acted on at its release if the
    // timer stopped in between, for the pressed cell.
    void mouse_inputDuringSettle() {
        LayBoard(Checker);
        Press(50);
        Release(At(50));
        Press(51);
        QVERIFY(w_->timer(Timer::Main).isActive());
        QCOMPARE(g().Board[50], Checker(51));
        QCOMPARE(g().FirstCell, Int(0));
        Release(At(52));
        QCOMPARE(g().FirstCell, Int(0));
        QCOMPARE(g().Board[52], Checker(52));

        Press(100);
        Release(At(100));
        QCOMPARE(g().FirstCell, Int(0));
        QCOMPARE(MarkCount(), 0);

        Press(100);
        w_->timer(Timer::Main).stop();
        Release(QPoint(-3, -3));
        QCOMPARE(g().FirstCell, Int(100));
    }

    void mouse_inputDuringAutoPlayIgnored() {
        act("mnuAuto")->trigger();
        QVERIFY(checked("mnuAuto"));
        QVERIFY(w_->timer(Timer::Auto).isActive());
        Press(7);
        Release(At(7));
        QCOMPARE(g().FirstCell, Int(0));
        w_->tmrAuto_Timer();
        QCOMPARE(g().FirstCell, g().HintFrom);
    }

    // The same gestures through the window, so that Qt's own pointer grab
    // decides where the release goes.
    void mouse_throughWindowSystem() {
        LayBoard(Checker);
        ShowActive();
        QWindow* win = w_->windowHandle();
        const QPoint origin = w_->board()->mapTo(w_.get(), QPoint(0, 0));
        QTest::mousePress(win, Qt::LeftButton, {}, origin + At(1));
        QTest::mouseMove(win, origin + At(33));
        QTest::mouseRelease(win, Qt::LeftButton, {}, origin + At(33));
        QCOMPARE(g().FirstCell, Int(33));
        QTest::mousePress(win, Qt::LeftButton, {}, origin + At(90));
        QTest::mouseMove(win, origin + QPoint(-3, -3));
        QTest::mouseRelease(win, Qt::LeftButton, {}, origin + QPoint(-3, -3));
        QCOMPARE(g().FirstCell, Int(90));
        QCOMPARE(MarkCount(), 1);
    }

    // ---- Keys -----------------------------------------------------------

    void keys_menuShortcuts() {
        ShowActive();
        QWindow* win = w_->windowHandle();
        QVERIFY(g().HintFrom != 0);
        QTest::keyClick(win, Qt::Key_F1);
        QCOMPARE(g().FirstCell, g().HintFrom);

        const CellArray before = g().Board;
        QTest::keyClick(win, Qt::Key_F2);
        QVERIFY(g().Board != before);
        QCOMPARE(g().FirstCell, Int(0));

        const struct {
            Qt::Key key;
            Int count;
            const char* item;
        } colours[] = {{Qt::Key_F8, 8, "mnuColors8"}, {Qt::Key_F5, 5, "mnuColors5"},
                       {Qt::Key_F7, 7, "mnuColors7"}, {Qt::Key_F6, 6, "mnuColors6"}};
        for (const auto& c : colours) {
            QTest::keyClick(win, c.key);
            QCOMPARE(g().ColorCount, c.count);
            for (const char* name : {"mnuColors8", "mnuColors7", "mnuColors6", "mnuColors5"})
                QCOMPARE(checked(name), qstrcmp(name, c.item) == 0);
        }
    }

    void keys_escapeCloses_data() {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("settling");
        QTest::newRow("plain") << int(Qt::NoModifier) << false;
        QTest::newRow("shift") << int(Qt::ShiftModifier) << false;
        QTest::newRow("ctrl") << int(Qt::ControlModifier) << false;
        QTest::newRow("settling") << int(Qt::NoModifier) << true;
    }
    void keys_escapeCloses() {
        QFETCH(int, modifiers);
        QFETCH(bool, settling);
        ShowActive();
        if (settling) w_->timer(Timer::Main).start();
        QTest::keyClick(w_->windowHandle(), Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
        QVERIFY(!w_->isVisible());
    }

    // Alt tapped alone, or a drop-down closed with Escape, leaves the menu
    // bar in its keyboard mode with a title highlighted. With no drop-down
    // open, the first Escape must still close the window. Real key events
    // through the window system, as Qt's menu bar watches them.
    void keys_escapeClosesWhileTheMenuBarHasTheKeyboard_data() {
        QTest::addColumn<bool>("openWithKeys");
        QTest::addColumn<bool>("openWithMouse");
        QTest::newRow("Alt tapped") << false << false;
        QTest::newRow("menu opened by keys, closed with Escape") << true << false;
        QTest::newRow("menu opened by mouse, closed with Escape") << false << true;
    }
    void keys_escapeClosesWhileTheMenuBarHasTheKeyboard() {
        QFETCH(bool, openWithKeys);
        QFETCH(bool, openWithMouse);
        ShowActive();
        QWindow* win = w_->windowHandle();
        QMenuBar* bar = w_->menuBar();
        if (openWithMouse) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
        } else {
            QTest::keyPress(win, Qt::Key_Alt, Qt::AltModifier);
            QTest::keyRelease(win, Qt::Key_Alt);
            QVERIFY2(bar->activeAction() != nullptr && bar->hasFocus(), "Alt must put the menu bar in keyboard mode");
            if (openWithKeys) QTest::keyClick(win, Qt::Key_Down);
        }
        if (openWithKeys || openWithMouse) {
            QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
            QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
            QVERIFY(QApplication::activePopupWidget() == nullptr);
            QVERIFY(w_->isVisible());  // that Escape was the drop-down's
        }
        QTest::keyClick(win, Qt::Key_Escape);
        QVERIFY(!w_->isVisible());
    }

    // Started again while it runs, the game shows its window, also from
    // the task bar, and leaves the game as it was.
    void bringToFrontRestoresAMinimizedWindow() {
        w_->showMinimized();
        const CellArray before = g().Board;
        w_->BringToFront();
        QVERIFY(w_->isVisible());
        QVERIFY(!w_->isMinimized());
        QCOMPARE(g().Board, before);
    }

    void keys_otherKeysDoNothing() {
        ShowActive();
        const CellArray before = g().Board;
        QTest::keyClick(w_->windowHandle(), Qt::Key_Return);
        QTest::keyClick(w_->windowHandle(), Qt::Key_F3);
        QVERIFY(w_->isVisible());
        QCOMPARE(g().Board, before);
    }

    // ---- Drawing --------------------------------------------------------

    void drawing_onlyChangedCellsRepaint() {
        LayBoard(Checker);
        BoardWidget* b = w_->board();
        const int start = b->RepaintRequests();
        w_->DrawBoard();
        QCOMPARE(b->RepaintRequests(), start);
        Press(60);
        Release(At(60));
        QCOMPARE(b->RepaintRequests(), start + 1);
        Press(62);  // no neighbour: the old highlight goes, the new one comes
        QCOMPARE(b->RepaintRequests(), start + 3);
        for (Int i = 1; i <= kCells; ++i) QCOMPARE(g().ShownPicture[i], PictureNumber(g(), i));
        QCOMPARE(g().ShownPicture[62], Int(Checker(62) + 8));
        QCOMPARE(g().ShownPicture[60], Checker(60));
    }

    // Symbols on the balls: one pass repaints every cell, the board shows
    // the symbol pictures, and off again gives back exactly the plain ones.
    // Nothing of the game changes.
    void drawing_symbolsRepaintTheWholeBoard() {
        LayBoard(Checker);
        g().Active[70] = 5;
        w_->DrawBoard();
        const QImage plain = w_->board()->grab().toImage();
        const GameState before = g();
        const int repaints = w_->board()->RepaintRequests();
        act("mnuSymbols")->trigger();
        QVERIFY(checked("mnuSymbols"));
        QCOMPARE(w_->board()->RepaintRequests(), repaints + 1);
        const QImage marked = w_->board()->grab().toImage();
        for (Int i : {Int(1), Int(2), Int(70)}) {
            const QImage symbol = Rgb(w_->board()->Picture(g().ShownPicture[i], true).toImage());
            QCOMPARE(CellImage(marked, i), symbol);
            QVERIFY(symbol != CellImage(plain, i));
        }
        act("mnuSymbols")->trigger();
        QVERIFY(!checked("mnuSymbols"));
        QCOMPARE(Rgb(w_->board()->grab().toImage()), Rgb(plain));
        QCOMPARE(g().Board, before.Board);
        QCOMPARE(g().ShownPicture, before.ShownPicture);
    }

    void drawing_grabShowsPictures() {
        LayBoard(Checker);
        g().Active[70] = 5;
        g().Marks[71] = 1;
        g().FirstCell = 71;
        w_->DrawBoard();
        const QImage grab = w_->board()->grab().toImage();
        QCOMPARE(grab.pixelColor(0, 0), kLavender);
        QCOMPARE(grab.pixelColor(599, 399), kLavender);
        const QRect c44 = CellRect(44).translated(-kGridLeft, -kGridTop);
        QCOMPARE(grab.pixelColor(c44.topLeft()), kLavender);
        QCOMPARE(grab.pixelColor(c44.bottomRight()), kLavender);

        QCOMPARE(CellImage(grab, 1), PictureImage(Checker(1)));
        QCOMPARE(CellImage(grab, 71), PictureImage(Checker(71) + 8));
        QVERIFY(CellImage(grab, 71) != PictureImage(Checker(71)));
        QCOMPARE(CellImage(grab, 70), PictureImage(Checker(70) + 16));
        QVERIFY(CellImage(grab, 70) != PictureImage(Checker(70)));
        QCOMPARE(CellImage(grab, 70).pixelColor(0, 0), QColor(198, 199, 255));
        // Colours 1 and 2 must not look alike.
        QVERIFY(CellImage(grab, 1) != CellImage(grab, 2));
    }

    // ---- Timers ---------------------------------------------------------

    void timers_intervalsFollowSpeed() {
        for (Timer t : {Timer::Main, Timer::Auto}) {
            QCOMPARE(w_->timer(t).interval(), 250);
            QVERIFY(!w_->timer(t).isActive());
        }
        act("mnuSpeed100")->trigger();
        QVERIFY(checked("mnuSpeed100") && !checked("mnuSpeed250"));
        QCOMPARE(w_->timer(Timer::Main).interval(), 100);
        QCOMPARE(w_->timer(Timer::Auto).interval(), 100);
        act("mnuSpeed1000")->trigger();
        QCOMPARE(w_->timer(Timer::Main).interval(), 1000);
        QCOMPARE(w_->timer(Timer::Auto).interval(), 1000);
    }

    void timers_settleTicksRunToQuiet() {
        LayBoard(Checker);
        ClickCell(g(), 50);
        ClickCell(g(), 51);
        QVERIFY(w_->timer(Timer::Main).isActive());
        int ticks = 0;
        while (w_->timer(Timer::Main).isActive() && ticks < 500) {
            w_->tmrMain_Timer();
            ++ticks;
        }
        QVERIFY(ticks >= 2);
        QVERIFY(!w_->timer(Timer::Main).isActive());
        QCOMPARE(HasLine(g()), Int(0));
        QCOMPARE(MarkCount(), 0);
        QVERIFY(w_->lblExp()->text().startsWith(QStringLiteral("Счёт: ")));
        QCOMPARE(w_->lblExp()->text(), QStringLiteral("Счёт: %1").arg(g().Score));
        for (Int i = 1; i <= kCells; ++i) QCOMPARE(g().ShownPicture[i], PictureNumber(g(), i));
    }
};

QTEST_MAIN(FrmMainTest)
#include "FrmMainTest.moc"
