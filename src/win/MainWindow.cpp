#include "win/MainWindow.h"

#include "engine/Engine.h"
#include "engine/Pictures.h"
#include "options/Options.h"
#include "win/LabelFit.h"
#include "win/LiveRegion.h"

namespace zorbel::win {

namespace {

std::size_t Slot(Timer t) { return t == Timer::Main ? 0 : 1; }
UINT_PTR TimerId(Timer t) { return Slot(t) + 1; }
std::string_view View(const std::string& s) { return s; }

}  // namespace

MainWindow::MainWindow(const Texts& texts, std::uint64_t seed)
    : texts_(texts),
      rnd_(seed),
      game_(rnd_, *this),
      labelWords_{texts.Utf8("Labels", kRussianLabels.moves.data()),
                  texts.Utf8("Labels", kRussianLabels.noMoves.data()),
                  texts.Utf8("Labels", kRussianLabels.score.data()),
                  texts.Utf8("Labels", kRussianLabels.scoreCapped.data())},
      labels_{View(labelWords_[0]), View(labelWords_[1]), View(labelWords_[2]), View(labelWords_[3])},
      board_(game_, texts, *this) {
    game_.texts = &labels_;
}

void MainWindow::Form_Load() {
    SetDefaults(game_);
    mnuNew_Click(game_);
}

void MainWindow::Command(UINT id) {
    const MenuEntry* e = menus_.EntryOf(id);
    if (e != nullptr && menus_.Enabled(*e)) RunMenuCommand(game_, *e);
}

void MainWindow::CellPressed(Int cell, int button) { pointer_.Press(game_, cell, button); }
void MainWindow::CellReleased(Int cell, int button) { pointer_.Release(game_, cell, button); }
void MainWindow::CellClicked(Int cell) { ClickIfAllowed(game_, cell); }

// The labels become a live region once a screen reader is there to hear it.
void MainWindow::ReaderArrived() {
    if (labelsLive_ || labelWindows_[0] == nullptr) return;
    labelsLive_ = true;
    for (HWND label : labelWindows_) MarkPolite(label);
}

// A running timer keeps its rhythm when it is switched on again.
void MainWindow::SetTimerEnabled(Timer t, bool on) {
    TimerState& s = timers_[Slot(t)];
    if (s.on == on) return;
    s.on = on;
    if (on) {
        SetTimer(hwnd_, TimerId(t), static_cast<UINT>(s.ms), nullptr);
    } else {
        KillTimer(hwnd_, TimerId(t));
    }
}

bool MainWindow::TimerEnabled(Timer t) const { return timers_[Slot(t)].on; }

void MainWindow::SetTimerInterval(Timer t, int ms) {
    TimerState& s = timers_[Slot(t)];
    s.ms = ms;
    if (s.on) SetTimer(hwnd_, TimerId(t), static_cast<UINT>(ms), nullptr);
}

// The score label is set on every tick; an unchanged text costs nothing
// and is not read out again.
void MainWindow::SetLabel(Label l, std::string_view utf8) {
    const std::size_t k = l == Label::Steps ? 0 : 1;
    std::wstring text = Widen(utf8);
    if (text == labelTexts_[k]) return;
    labelTexts_[k] = std::move(text);
    FitLabel(labelWindows_[k], labelTexts_[k], font_, labelFonts_[k]);
    SetWindowTextW(labelWindows_[k], labelTexts_[k].c_str());
    TellChanged(labelWindows_[k]);
}

void MainWindow::SetMenuChecked(MenuItem m, bool checked) { menus_.SetChecked(m, checked); }
void MainWindow::SetMenuEnabled(MenuItem m, bool enabled) { menus_.SetEnabled(m, enabled); }

void MainWindow::DrawBoard() {
    UpdateShownPictures(game_, [this](Int i, Int) { board_.RepaintCell(i); });
    board_.Drawn();
}

void MainWindow::RedrawBoard() { board_.RepaintAll(); }

}  // namespace zorbel::win
