#pragma once
// The game's one window. It holds the game record, implements what the
// game asks of a window, and forwards every event to the game's routines.
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <map>

#include "common/MenuTable.h"
#include "engine/Game.h"
#include "play/Play.h"
#include "qt/BoardWidget.h"
#include "qt/MenuStyle.h"

namespace zorbel::ui {

constexpr int kClientWidth = 611;
constexpr int kClientHeight = 429;

class frmMain : public QMainWindow, public Platform {
    Q_OBJECT
public:
    explicit frmMain(std::uint64_t seed, QWidget* parent = nullptr);

    // Platform
    void SetTimerEnabled(Timer t, bool on) override;
    bool TimerEnabled(Timer t) const override;
    void SetTimerInterval(Timer t, int ms) override;
    void SetLabel(Label l, std::string_view utf8) override;
    void SetMenuChecked(MenuItem m, bool checked) override;
    void SetMenuEnabled(MenuItem m, bool enabled) override;
    void DrawBoard() override;
    void RedrawBoard() override;

    Game& game() { return game_; }
    BoardWidget* board() const { return board_; }
    QLabel* lblSteps() const { return lblSteps_; }
    QLabel* lblExp() const { return lblExp_; }
    QTimer& timer(Timer t) { return t == Timer::Main ? tmrMain_ : tmrAuto_; }
    QAction* action(const char* name) const;

public slots:
    // Brings the window up from behind others or from the task bar, when
    // the player starts the game again while it runs.
    void BringToFront();
    void tmrMain_Timer();
    void tmrAuto_Timer();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_KeyDown(int key);
    void BuildMenus();
    void BuildGrid();
    void RunCommand(const MenuEntry& entry, QAction* action);

    MenuStyle menuStyle_;
    TwisterRandom rnd_;
    Game game_;
    // The label words in the player's language, as UTF-8 for the game.
    std::array<QByteArray, 4> labelWords_;
    LabelTexts labels_;
    BoardPointer pointer_;
    QTimer tmrMain_;
    QTimer tmrAuto_;
    QWidget* client_ = nullptr;
    BoardWidget* board_ = nullptr;
    QLabel* lblSteps_ = nullptr;
    QLabel* lblExp_ = nullptr;
    std::map<std::string, QAction*> actions_;
    std::map<MenuItem, QAction*> items_;
    std::map<MenuItem, bool> checked_;  // the check marks as the game set them
};

}  // namespace zorbel::ui
