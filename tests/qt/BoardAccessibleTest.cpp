// The board as a screen reader sees it: a table of 10 rows and 15 columns
// whose cells are named by their balls, their marks and the cursor.
#include <QAccessible>
#include <QTest>
#include <memory>

#include "play/Play.h"
#include "qt/WindowRig.h"

using namespace zorbel;
using namespace zorbel::test;

namespace {

// What a player hears for each colour code.
const QStringList kBallNames{QString(), "красный", "жёлтый", "зелёный", "голубой", "синий", "пурпурный", "слоновая кость", "оранжевый"};

QString Expected(const GameState& s, Int i) {
    QString name = kBallNames[s.Board[i]];
    if (s.Marks[i] != 0) name += i == s.FirstCell ? QStringLiteral(", выбран") : QStringLiteral(", отмечен");
    if (s.Active[i] != 0) name += QStringLiteral(", активный");
    return name;
}

}  // namespace

class BoardAccessibleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::frmMain> w_;
    Game& g() { return w_->game(); }
    QAccessibleInterface* table() { return QAccessible::queryAccessibleInterface(w_->board()); }
    QAccessibleInterface* cell(Int i) { return table()->child(i - 1); }

    void ExpectNamesMatchTheRecord() {
        QCOMPARE(table()->childCount(), int(kCells));
        for (Int i = 1; i <= kCells; ++i) QCOMPARE(cell(i)->text(QAccessible::Name), Expected(g(), i));
    }

private slots:
    void init() {
        w_ = std::make_unique<ui::frmMain>(20240607);
        ShowActive(*w_);
    }
    void cleanup() { w_.reset(); }

    void theBoardIsATableOfCells() {
        QAccessibleInterface* t = table();
        QVERIFY(t != nullptr);
        QCOMPARE(t->role(), QAccessible::Table);
        QCOMPARE(t->text(QAccessible::Name), QStringLiteral("Игровое поле"));
        QAccessibleTableInterface* grid = t->tableInterface();
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->rowCount(), 10);
        QCOMPARE(grid->columnCount(), 15);
        for (Int i : {Int(1), Int(15), Int(16), Int(77), Int(150)}) {
            QAccessibleInterface* c = grid->cellAt(RowOf(i) - 1, ColumnOf(i) - 1);
            QCOMPARE(c, cell(i));  // one object per cell, however it is reached
            QCOMPARE(c->role(), QAccessible::Cell);
            QCOMPARE(c->parent(), t);
            QCOMPARE(t->indexOfChild(c), i - 1);
            QCOMPARE(c->tableCellInterface()->rowIndex(), RowOf(i) - 1);
            QCOMPARE(c->tableCellInterface()->columnIndex(), ColumnOf(i) - 1);
            QCOMPARE(t->childAt(c->rect().center().x(), c->rect().center().y()), c);
        }
        QVERIFY(grid->cellAt(10, 0) == nullptr && grid->cellAt(0, 15) == nullptr);
    }

    // Every colour, a selection, marks and active balls, each named as the
    // game record has it.
    void everyCellIsNamedByItsBallAndState() {
        g().ColorCount = 8;
        for (Int i = 1; i <= kCells; ++i) {
            g().Board[i] = static_cast<Int>((i - 1) % 8 + 1);
            g().Marks[i] = i % 7 == 0;
            g().Active[i] = i % 5 == 0 ? Int(3) : Int(0);
        }
        g().FirstCell = 14;  // marked and active both
        w_->DrawBoard();
        ExpectNamesMatchTheRecord();
        QCOMPARE(cell(14)->text(QAccessible::Name), QStringLiteral("пурпурный, выбран"));
        QCOMPARE(cell(105)->text(QAccessible::Name), QStringLiteral("красный, отмечен, активный"));
        QVERIFY(cell(14)->state().selected && !cell(105)->state().selected);
        QCOMPARE(table()->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{cell(14)});
    }

    void namesFollowASwapAndASettle() {
        LayBoard(*w_, Checker);
        ClickCell(g(), 50);
        ClickCell(g(), 51);
        QCOMPARE(cell(50)->text(QAccessible::Name), kBallNames[Checker(51)]);
        ExpectNamesMatchTheRecord();
        w_->tmrMain_Timer();  // lines found: their balls are marked
        ExpectNamesMatchTheRecord();
        Settle(*w_);
        ExpectNamesMatchTheRecord();
    }

    // The keyboard cursor is the table's focus.
    void focusFollowsTheCursor() {
        QVERIFY(table()->focusChild() == nullptr);
        QTest::keyClick(w_->windowHandle(), Qt::Key_Right);
        QTest::keyClick(w_->windowHandle(), Qt::Key_Right);
        QCOMPARE(table()->focusChild(), cell(2));
        QVERIFY(cell(2)->state().focused);
        QVERIFY(!cell(1)->state().focused);
        QTest::mouseClick(w_->board(), Qt::LeftButton, {}, At(30));
        QVERIFY(table()->focusChild() == nullptr);
    }

    void labelsReadTheirTexts() {
        QAccessibleInterface* steps = QAccessible::queryAccessibleInterface(w_->lblSteps());
        QCOMPARE(steps->text(QAccessible::Name), QStringLiteral("Ходов: %1").arg(g().MoveCount));
        LayBoard(*w_, Checker);
        ClickCell(g(), 50);
        ClickCell(g(), 51);
        Settle(*w_);
        QAccessibleInterface* exp = QAccessible::queryAccessibleInterface(w_->lblExp());
        QCOMPARE(exp->text(QAccessible::Name), QStringLiteral("Счёт: %1").arg(g().Score));
    }
};

QTEST_MAIN(BoardAccessibleTest)
#include "BoardAccessibleTest.moc"
