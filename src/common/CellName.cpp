#include "common/CellName.h"

// Texts are marked for Qt's lupdate where they are written.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace zorbel {

namespace {

// Ball names by colour code; 0 is an empty cell.
constexpr std::array<const char*, 9> kBallNames{
    QT_TRANSLATE_NOOP("Board", "пусто"),
    QT_TRANSLATE_NOOP("Board", "красный"),
    QT_TRANSLATE_NOOP("Board", "жёлтый"),
    QT_TRANSLATE_NOOP("Board", "зелёный"),
    QT_TRANSLATE_NOOP("Board", "голубой"),
    QT_TRANSLATE_NOOP("Board", "синий"),
    QT_TRANSLATE_NOOP("Board", "пурпурный"),
    QT_TRANSLATE_NOOP("Board", "слоновая кость"),
    QT_TRANSLATE_NOOP("Board", "оранжевый"),
};

}  // namespace

const char* const kBoardName = QT_TRANSLATE_NOOP("Board", "Игровое поле");
const char* const kCellWordSeparator = ", ";
const char* const kCellPlace = QT_TRANSLATE_NOOP("Board", "строка %1, столбец %2");

std::string CellPlaceText(std::string_view format, Int i) {
    std::string text;
    for (std::size_t k = 0; k < format.size(); ++k) {
        if (format.compare(k, 2, "%1") == 0 || format.compare(k, 2, "%2") == 0) {
            text += std::to_string(format[k + 1] == '1' ? RowOf(i) : ColumnOf(i));
            ++k;
        } else {
            text += format[k];
        }
    }
    return text;
}

CellWords CellNameWords(const GameState& s, Int i) {
    CellWords w;
    const Int colour = s.Board[i];
    w.words[w.count++] = kBallNames[colour >= 1 && colour <= 8 ? colour : 0];
    if (s.Marks[i] != 0) {
        w.words[w.count++] = i == s.FirstCell ? QT_TRANSLATE_NOOP("Board", "выбран") : QT_TRANSLATE_NOOP("Board", "отмечен");
    }
    if (s.Active[i] != 0) w.words[w.count++] = QT_TRANSLATE_NOOP("Board", "активный");
    return w;
}

}  // namespace zorbel
