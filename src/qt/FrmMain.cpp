#include "qt/FrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStyle>
#include <vector>

#include "engine/Engine.h"
#include "engine/Pictures.h"
#include "options/Options.h"
#include "qt/BallPictures.h"
#include "qt/Translation.h"

namespace zorbel::ui {

namespace {

const QColor kBackground(192, 192, 255);
const QColor kLabelBackground(192, 192, 192);
constexpr int kLabelWidth = 139;
constexpr int kLabelHeight = 19;
constexpr int kLabelGap = 45;  // from the top of the last row to the labels
// Room in a label above its line, for the marks that Devanagari, Bengali and
// Georgian set higher than the font says its letters reach.
constexpr int kLabelTextTop = 2;
constexpr int kFontPoints = 9;

std::string_view View(const QByteArray& utf8) { return {utf8.constData(), static_cast<std::size_t>(utf8.size())}; }

// Black text on a ground of its own, painted by the widget itself.
void SetColours(QWidget* w, const QColor& ground) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ground);
    pal.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

}  // namespace

frmMain::frmMain(std::uint64_t seed, QWidget* parent)
    : QMainWindow(parent),
      rnd_(seed),
      game_(rnd_, *this),
      labelWords_{QCoreApplication::translate("Labels", "Ходов: %1").toUtf8(),
                  QCoreApplication::translate("Labels", "Ходов нет!").toUtf8(),
                  QCoreApplication::translate("Labels", "Счёт: %1").toUtf8(),
                  QCoreApplication::translate("Labels", "Счёт: %1+").toUtf8()},
      labels_{View(labelWords_[0]), View(labelWords_[1]), View(labelWords_[2]), View(labelWords_[3])} {
    setWindowTitle(QCoreApplication::translate("Window", "Зорбель"));
    setWindowIcon(MakeWindowIcon());
    setFont(WithScriptFont(QFont(QStringLiteral("Calibri"), kFontPoints)));

    client_ = new QWidget(this);
    client_->setFixedSize(kClientWidth, kClientHeight);
    SetColours(client_, kBackground);
    setCentralWidget(client_);

    for (QTimer* t : {&tmrMain_, &tmrAuto_}) {
        t->setInterval(kDefaultTickMs);
        t->setTimerType(Qt::PreciseTimer);
    }
    connect(&tmrMain_, &QTimer::timeout, this, &frmMain::tmrMain_Timer);
    connect(&tmrAuto_, &QTimer::timeout, this, &frmMain::tmrAuto_Timer);

    BuildMenus();
    menuBar()->installEventFilter(this);
    // The menu bar keeps the desktop's menu font, like its drop-downs; the
    // window's own font is for the labels.
    menuBar()->setFont(WithScriptFont(QApplication::font("QMenuBar")));
    lblSteps_ = new QLabel(client_);
    lblExp_ = new QLabel(client_);
    for (QLabel* l : {lblSteps_, lblExp_}) {
        l->resize(kLabelWidth, kLabelHeight);
        SetColours(l, kLabelBackground);
        l->setContentsMargins(0, kLabelTextTop, 0, 0);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // the leading edge: the right one in RTL
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->hide();
    }
    game_.texts = &labels_;
    Form_Load();
    setFixedSize(sizeHint());
}

void frmMain::Form_Load() {
    BuildGrid();
    SetDefaults(game_);
    mnuNew_Click(game_);
}

void frmMain::BuildGrid() {
    board_ = new BoardWidget(game_, client_);
    board_->setPalette(client_->palette());
    connect(board_, &BoardWidget::cellPressed, this,
            [this](Int cell, int button) { pointer_.Press(game_, cell, button); });
    connect(board_, &BoardWidget::cellReleased, this,
            [this](Int cell, int button) { pointer_.Release(game_, cell, button); });
    connect(board_, &BoardWidget::cellClicked, this, [this](Int cell) { ClickIfAllowed(game_, cell); });
    board_->setFocus();  // the arrows play from the first moment
    // In a right-to-left language the labels trade places as in a mirror:
    // the moves at the right, the score to their left.
    const int top = CellRect(145).top() + kLabelGap;
    lblSteps_->setGeometry(QStyle::visualRect(layoutDirection(), client_->rect(),
                                              QRect(kGridLeft, top, kLabelWidth, kLabelHeight)));
    lblExp_->setGeometry(QStyle::visualRect(layoutDirection(), client_->rect(),
                                            QRect(CellRect(140).left(), top, kLabelWidth, kLabelHeight)));
    lblSteps_->show();
    lblExp_->show();
}

// Menus are built from the table: an entry followed by deeper entries opens
// a menu of its own.
void frmMain::BuildMenus() {
    const auto entries = MenuEntries();
    std::vector<QMenu*> open;  // the menu at each level being filled
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const MenuEntry& e = entries[k];
        open.resize(static_cast<std::size_t>(e.level));
        const QString caption = QCoreApplication::translate("Menu", e.caption);
        if (OpensMenu(entries, k)) {
            QMenu* m = e.level == 0 ? menuBar()->addMenu(caption) : open.back()->addMenu(caption);
            m->setObjectName(QString::fromUtf8(e.name));
            m->setStyle(&menuStyle_);
            m->setFont(WithScriptFont(QApplication::font("QMenu")));
            open.push_back(m);
            continue;
        }
        if (IsSeparator(e)) {
            open.back()->addSeparator()->setObjectName(QString::fromUtf8(e.name));
            continue;
        }
        QAction* a = open.back()->addAction(caption);
        a->setObjectName(QString::fromUtf8(e.name));
        if (e.functionKey != 0) {
            a->setShortcut(QKeySequence(Qt::Key_F1 + e.functionKey - 1));
            a->setShortcutContext(Qt::WindowShortcut);  // acts with every menu closed
        }
        if (e.item) {
            a->setCheckable(true);
            a->setChecked(e.checkedAtStart);
            checked_[*e.item] = e.checkedAtStart;
            items_[*e.item] = a;
        }
        actions_[e.name] = a;
        connect(a, &QAction::triggered, this, [this, &e, a] { RunCommand(e, a); });
    }
}

QAction* frmMain::action(const char* name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void frmMain::RunCommand(const MenuEntry& e, QAction* a) {
    // Qt flips a checkable item on its own; the game alone decides the mark.
    if (e.item) a->setChecked(checked_[*e.item]);
    if (a->isEnabled()) RunMenuCommand(game_, e);
}

void frmMain::tmrMain_Timer() { zorbel::tmrMain_Timer(game_); }
void frmMain::tmrAuto_Timer() { zorbel::tmrAuto_Timer(game_); }

// Escape closes the window whatever runs and whatever modifiers are held.
void frmMain::Form_KeyDown(int key) {
    if (key == Qt::Key_Escape) close();
}

void frmMain::keyPressEvent(QKeyEvent* e) {
    Form_KeyDown(e->key());
    QMainWindow::keyPressEvent(e);
}

// After Alt is tapped, or a menu is closed with Escape, the menu bar keeps
// the keyboard with a title highlighted and would take the next Escape for
// itself. While no drop-down is open, Escape is the window's.
bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (watched == menuBar() && e->type() == QEvent::KeyPress && QApplication::activePopupWidget() == nullptr) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Escape) {
            Form_KeyDown(key);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void frmMain::BringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

// Closing, by any way, ends the game between two ticks: nothing is saved and
// nothing asked; the last window closed ends the program.
void frmMain::closeEvent(QCloseEvent* e) {
    tmrMain_.stop();
    tmrAuto_.stop();
    e->accept();
}

void frmMain::SetTimerEnabled(Timer t, bool on) {
    QTimer& timer = this->timer(t);
    if (!on) {
        timer.stop();
    } else if (!timer.isActive()) {
        timer.start();
    }
}

bool frmMain::TimerEnabled(Timer t) const {
    return (t == Timer::Main ? tmrMain_ : tmrAuto_).isActive();
}

void frmMain::SetTimerInterval(Timer t, int ms) { timer(t).setInterval(ms); }

void frmMain::SetLabel(Label l, std::string_view utf8) {
    (l == Label::Steps ? lblSteps_ : lblExp_)
        ->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void frmMain::SetMenuChecked(MenuItem m, bool on) {
    checked_[m] = on;
    items_.at(m)->setChecked(on);
}

void frmMain::SetMenuEnabled(MenuItem m, bool on) { items_.at(m)->setEnabled(on); }

void frmMain::RedrawBoard() { board_->RepaintAll(); }

void frmMain::DrawBoard() {
    UpdateShownPictures(game_, [this](Int i, Int) { board_->RepaintCell(i); });
}

}  // namespace zorbel::ui
