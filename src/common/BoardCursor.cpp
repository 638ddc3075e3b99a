#include "common/BoardCursor.h"

#include <algorithm>

namespace zorbel {

BoardCursor::Action BoardCursor::Press(Key k, Int selected) {
    if (k == Key::Click) return cell_ != 0 ? Action::Click : Action::None;
    if (cell_ == 0) {
        cell_ = selected != 0 ? selected : 1;
        return Action::Moved;
    }
    const int dColumn = k == Key::Left ? -1 : k == Key::Right ? 1 : 0;
    const int dRow = k == Key::Up ? -1 : k == Key::Down ? 1 : 0;
    const int column = std::clamp(ColumnOf(cell_) + dColumn, 1, static_cast<int>(kColumns));
    const int row = std::clamp(RowOf(cell_) + dRow, 1, static_cast<int>(kRows));
    cell_ = static_cast<Int>((row - 1) * kColumns + column);
    return Action::Moved;
}

}  // namespace zorbel
