#include "support/Invariants.h"

#include <utility>

#include "engine/Pictures.h"
#include "options/Options.h"

namespace zorbel::test {

namespace {

constexpr Int kMaxLifetime = 16;
constexpr Int kMaxMoves = 550;  // every cell-and-direction pair on the board
constexpr int kLine = 3;

enum Direction : int { kLeft, kRight, kUp, kDown, kDirectionCount };

std::string At(const char* what, Int i) { return what + std::string(" at ") + std::to_string(i); }

std::string MovesText(Int moves) { return moves == 0 ? std::string("Ходов нет!") : "Ходов: " + std::to_string(moves); }

// The cell one step from i in direction d, or 0 past the board's edge.
// Worked out from row and column afresh, not from the engine's running scan
// position.
Int Step(Int i, int d) {
    switch (d) {
        case kLeft: return ColumnOf(i) == 1 ? 0 : static_cast<Int>(i - 1);
        case kRight: return ColumnOf(i) == kColumns ? 0 : static_cast<Int>(i + 1);
        case kUp: return RowOf(i) == 1 ? 0 : static_cast<Int>(i - kColumns);
        default: return RowOf(i) == kRows ? 0 : static_cast<Int>(i + kColumns);
    }
}

// Balls of colour c in an unbroken run through t along one axis, t itself
// counted as holding c.
int RunThrough(const CellArray& b, Int t, Int c, int back, int forth) {
    int run = 1;
    for (Int k = Step(t, back); k != 0 && b[k] == c; k = Step(k, back)) ++run;
    for (Int k = Step(t, forth); k != 0 && b[k] == c; k = Step(k, forth)) ++run;
    return run;
}

bool LineThrough(const CellArray& b, Int t, Int c) {
    return c != 0 && (RunThrough(b, t, c, kLeft, kRight) >= kLine || RunThrough(b, t, c, kUp, kDown) >= kLine);
}

}  // namespace

std::string ScoreText(Int score) { return "Счёт: " + std::to_string(score) + (score == kScoreCap ? "+" : ""); }

Invariants::Invariants(Game& g, FakePlatform& ui)
    : g_(g), ui_(ui), lastScore_(g.Score), lastAutoMode_(g.AutoMode) {
    ui_.onDraw = [this] { OnDraw(); };
}

Invariants::~Invariants() { ui_.onDraw = nullptr; }

// The window draws a picture for every cell; an empty cell or a colour out
// of play has none.
void Invariants::OnDraw() {
    for (Int i = 1; i <= kCells && drawFault_.empty(); ++i) {
        if (g_.Board[i] < 1 || g_.Board[i] > g_.ColorCount) drawFault_ = At("drawn without a ball of a colour in play", i);
    }
    UpdateShownPictures(g_, [](Int, Int) {});
}

bool Invariants::Checked(MenuItem m) const {
    const auto it = ui_.checked.find(m);
    return it != ui_.checked.end() && it->second;
}

std::string Invariants::Check() {
    if (!drawFault_.empty()) return std::exchange(drawFault_, {});
    std::string broken = CheckCells();
    if (broken.empty()) broken = CheckScore();
    if (broken.empty()) broken = CheckTimersAndMenus();
    if (broken.empty() && !ui_.mainOn) broken = CheckAtRest();
    return broken;
}

std::string Invariants::CheckCells() const {
    for (Int i = 1; i <= kCells; ++i) {
        if (g_.Marks[i] != 0 && g_.Marks[i] != 1) return At("mark not 0 or 1", i);
        if (g_.Active[i] < 0 || g_.Active[i] > kMaxLifetime) return At("lifetime out of range", i);
        if (g_.Board[i] < 1 || g_.Board[i] > g_.ColorCount) return At("no ball of a colour in play", i);
        if (g_.ShownPicture[i] != PictureNumber(g_, i)) return At("the picture shown is not the one the cell calls for", i);
    }
    if (g_.SecondCell != 0) return "second cell left set";
    if (g_.FirstCell < 0 || g_.FirstCell > kCells || (g_.FirstCell != 0 && g_.Marks[g_.FirstCell] != 1))
        return "selection not marked";
    return {};
}

// New balls score only while the player plays; the score label is written
// by the first refill, so until then it may still show its start caption.
std::string Invariants::CheckScore() {
    if (g_.Score < lastScore_ || g_.Score > kScoreCap)
        return "score went from " + std::to_string(lastScore_) + " to " + std::to_string(g_.Score);
    if (lastAutoMode_ != 0 && g_.AutoMode != 0 && g_.Score != lastScore_) return "points while the game played itself";
    if (ui_.expWrites != 0 && ui_.exp != ScoreText(g_.Score)) return "score label " + ui_.exp;
    lastScore_ = g_.Score;
    lastAutoMode_ = g_.AutoMode;
    return {};
}

std::string Invariants::CheckTimersAndMenus() const {
    if (ui_.mainOn && ui_.autoOn) return "both timers run";
    if (g_.AutoMode < 0 || g_.AutoMode > 2) return "auto mode " + std::to_string(g_.AutoMode);
    if (g_.AutoMode != 0 && !ui_.mainOn && !ui_.autoOn) return "automatic play stalled";
    if (g_.AutoMode == 0 && ui_.autoOn) return "tmrAuto runs with automatic play off";
    if (Checked(MenuItem::mnuAuto) != (g_.AutoMode != 0)) return "mnuAuto check mark";
    for (const auto& o : kColorItems) {
        if (Checked(o.item) != (o.value == g_.ColorCount)) return "colour check marks";
    }
    for (const auto& o : kSpeedItems) {
        if (Checked(o.item) != (o.value == g_.TickMs)) return "speed check marks";
    }
    if (Checked(MenuItem::mnuFishOk) != (g_.ActiveBallsOn == 1) || Checked(MenuItem::mnuFishStep) != (g_.ActiveEveryMove == 1))
        return "active ball check marks";
    if (Checked(MenuItem::mnuSymbols) != (g_.SymbolsOn == 1)) return "symbols check mark";
    // The window creates mnuFishStep enabled.
    const auto fishStep = ui_.enabled.find(MenuItem::mnuFishStep);
    if ((fishStep == ui_.enabled.end() || fishStep->second) != (g_.ActiveBallsOn == 1)) return "mnuFishStep enabled state";
    if (ui_.mainInterval != g_.TickMs || ui_.autoInterval != g_.TickMs) return "timer intervals";
    if (g_.MoveCount < 0 || g_.MoveCount > kMaxMoves) return "move count " + std::to_string(g_.MoveCount);
    if (ui_.steps != MovesText(g_.MoveCount)) return "moves label " + ui_.steps;
    return {};
}

// With tmrMain off the board is the one the last count saw (a swap that
// stands starts the timer; one that fails is undone).
std::string Invariants::CheckAtRest() {
    if (!counted_ || countedBoard_ != g_.Board) Recount();
    if (lineStands_) return "a line at rest";
    for (Int i = 1; i <= kCells; ++i) {
        if (g_.Marks[i] != (i == g_.FirstCell ? 1 : 0)) return At("a mark at rest other than the selection", i);
    }
    if (g_.MoveCount != moves_)
        return "move count " + std::to_string(g_.MoveCount) + " where the board offers " + std::to_string(moves_);
    for (int d = 0; d < kDirections; ++d) {
        if (g_.HintFrom >= 1 && g_.HintFrom <= kCells && Step(g_.HintFrom, d) == g_.HintTo &&
            isMove_[static_cast<std::size_t>(g_.HintFrom * kDirections + d)])
            return {};
    }
    return "the hint " + std::to_string(g_.HintFrom) + " to " + std::to_string(g_.HintTo) + " is none of the moves";
}

// Every ball moved one step each way, the cell it leaves empty. On a board
// without a line a new line must run through the cell the ball moved to, so
// looking there is enough; a board with a line is reported before the count
// is looked at.
void Invariants::Recount() {
    static_assert(kDirectionCount == kDirections);
    countedBoard_ = g_.Board;
    counted_ = true;
    lineStands_ = false;
    for (Int i = 1; i <= kCells && !lineStands_; ++i) lineStands_ = LineThrough(countedBoard_, i, countedBoard_[i]);
    moves_ = 0;
    isMove_.fill(false);
    CellArray trial = g_.Board;
    for (Int i = 1; i <= kCells; ++i) {
        const Int c = trial[i];
        trial[i] = 0;
        for (int d = 0; d < kDirections; ++d) {
            const Int t = Step(i, d);
            if (t != 0 && LineThrough(trial, t, c)) {
                ++moves_;
                isMove_[static_cast<std::size_t>(i * kDirections + d)] = true;
            }
        }
        trial[i] = c;
    }
}

}  // namespace zorbel::test
