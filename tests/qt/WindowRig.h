#pragma once
// Helpers for tests that drive the real window under the offscreen platform.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "engine/Engine.h"
#include "qt/FrmMain.h"

namespace zorbel::test {

// Board-local centre of cell i.
inline QPoint At(Int i) { return ui::CellRect(i).center() - QPoint(ui::kGridLeft, ui::kGridTop); }

// Two colours in a checkerboard: no line anywhere, and swapping two inner
// neighbours always makes a line of three across the swap.
inline Int Checker(Int i) { return static_cast<Int>((RowOf(i) + ColumnOf(i)) % 2 + 1); }

// Lays a board of the given colours with nothing marked, active or selected.
inline void LayBoard(ui::frmMain& w, Int (*colour)(Int)) {
    Game& g = w.game();
    for (Int i = 1; i <= kCells; ++i) {
        g.Board[i] = colour(i);
        g.Marks[i] = 0;
        g.Active[i] = 0;
    }
    g.FirstCell = g.SecondCell = 0;
    w.DrawBoard();
    QCOMPARE(HasLine(g), Int(0));
}

inline void ShowActive(ui::frmMain& w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// A menu as one line: captions in order, "-" for a separator, a submenu in
// brackets, "!" after an item that is disabled or hidden.
inline QString Describe(const QMenu* menu) {
    QStringList parts;
    for (const QAction* a : menu->actions()) {
        QString s = a->isSeparator() ? QStringLiteral("-") : a->text();
        if (a->menu()) s += QLatin1Char('[') + Describe(a->menu()) + QLatin1Char(']');
        if (!a->isEnabled() || !a->isVisible()) s += QLatin1Char('!');
        parts << s;
    }
    return parts.join(QLatin1Char('|'));
}

// Every item below the menu bar that runs a command.
inline QList<QAction*> Leaves(const QList<QAction*>& actions) {
    QList<QAction*> out;
    for (QAction* a : actions) {
        if (a->menu()) out += Leaves(a->menu()->actions());
        else if (!a->isSeparator()) out << a;
    }
    return out;
}

// Ticks the settle timer by hand until the board is quiet.
inline void Settle(ui::frmMain& w) {
    for (int ticks = 0; w.timer(Timer::Main).isActive() && ticks < 1000; ++ticks) w.tmrMain_Timer();
    QVERIFY(!w.timer(Timer::Main).isActive());
}

}  // namespace zorbel::test
