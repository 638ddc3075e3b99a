#include "qt/BoardAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <array>
#include <cstddef>

#include "common/CellName.h"
#include "qt/BoardWidget.h"

namespace zorbel::ui {

namespace {

// One cell of the table. The board owns its 150 cells; they live as long
// as the board's own description does.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardWidget* board, Int cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && board_ ? CellName(board_->state(), cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!board_) return {};
        const QRect local = CellRect(cell_).translated(-kGridLeft, -kGridTop);
        return {board_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State st;
        st.focusable = true;
        st.selectable = true;
        if (!board_) return st;
        st.selected = isSelected();
        st.focused = board_->hasFocus() && board_->cursorCell() == cell_;
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return board_ && board_->state().FirstCell == cell_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return ColumnOf(cell_) - 1; }
    int rowIndex() const override { return RowOf(cell_) - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<BoardWidget> board_;
    Int cell_;
};

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardWidget* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardAccessible() override {
        for (QAccessible::Id id : ids_) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return kCells; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < kCells ? Cell(static_cast<Int>(index + 1)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (Int i = 1; i <= kCells; ++i) {
            if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == child) return i - 1;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const Int i = BoardWidget::CellAt(board()->mapFromGlobal(QPoint(x, y)));
        return i != 0 ? Cell(i) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return board()->hasFocus() && board()->cursorCell() != 0 ? Cell(board()->cursorCell()) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QCoreApplication::translate("Board", kBoardName) : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return nullptr;
        return Cell(static_cast<Int>(row * kColumns + column + 1));
    }
    int selectedCellCount() const override { return game().FirstCell != 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (game().FirstCell == 0) return {};
        return {Cell(game().FirstCell)};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Selecting is playing, which goes through the game's own input only.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardWidget* board() const { return static_cast<BoardWidget*>(widget()); }
    const GameState& game() const { return board()->state(); }
    // Cells are described the first time someone asks, and then kept, so a
    // screen reader meets the same cell object every time.
    QAccessibleInterface* Cell(Int i) const {
        if (ids_[i] == 0) ids_[i] = QAccessible::registerAccessibleInterface(new CellAccessible(board(), i));
        return QAccessible::accessibleInterface(ids_[i]);
    }

    mutable std::array<QAccessible::Id, kCells + 1> ids_{};
};

QAccessibleInterface* DescribeBoard(const QString&, QObject* object) {
    if (auto* board = qobject_cast<BoardWidget*>(object)) return new BoardAccessible(board);
    return nullptr;
}

void Announce(BoardWidget* board, Int i, QAccessible::Event type) {
    QAccessibleEvent event(board, type);
    event.setChild(i - 1);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DescribeBoard);
        return true;
    }();
    static_cast<void>(installed);
}

QString CellName(const GameState& s, Int i) {
    const CellWords w = CellNameWords(s, i);
    QStringList parts;
    for (std::size_t k = 0; k < w.count; ++k) parts << QCoreApplication::translate("Board", w.words[k]);
    return parts.join(QString::fromUtf8(kCellWordSeparator));
}

void AnnounceCellChanged(BoardWidget* board, Int i) { Announce(board, i, QAccessible::NameChanged); }
void AnnounceCursor(BoardWidget* board, Int i) { Announce(board, i, QAccessible::Focus); }

}  // namespace zorbel::ui
