// The yardstick for the game's start-up: the least a Qt Widgets program with
// the same menus and a board of the same size has to do. 150 plain 40x40
// pixmaps are filled at start and drawn in paintEvent; no game, no timers,
// no painted balls, no single-instance lock.
#include <QApplication>
#include <QColor>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace {

constexpr int kCell = 40;
constexpr int kColumns = 15;
constexpr int kRows = 10;
constexpr int kCells = kColumns * kRows;
constexpr int kMargin = 5;

class Board : public QWidget {
public:
    explicit Board(QWidget* parent) : QWidget(parent) {
        setFixedSize(611, 429);
        setAttribute(Qt::WA_OpaquePaintEvent);
        static const QColor colours[] = {Qt::yellow, Qt::red, Qt::blue, Qt::green, Qt::cyan, Qt::magenta};
        for (int i = 0; i < kCells; ++i) {
            cells_[static_cast<std::size_t>(i)] = QPixmap(kCell, kCell);
            cells_[static_cast<std::size_t>(i)].fill(colours[(i * 7 + i / kColumns) % 6]);
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(192, 192, 255));
        for (int i = 0; i < kCells; ++i) {
            p.drawPixmap(kMargin + (i % kColumns) * kCell, kMargin + (i / kColumns) * kCell,
                         cells_[static_cast<std::size_t>(i)]);
        }
    }

private:
    std::array<QPixmap, kCells> cells_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare_window"));

    QMenuBar* bar = window.menuBar();
    QMenu* game = bar->addMenu(QStringLiteral("Игра"));
    game->addAction(QStringLiteral("Новая"))->setShortcut(QKeySequence(Qt::Key_F2));
    game->addSeparator();
    game->addAction(QStringLiteral("Подсказка"))->setShortcut(QKeySequence(Qt::Key_F1));

    QMenu* options = bar->addMenu(QStringLiteral("Настройки"));
    QMenu* colours = options->addMenu(QStringLiteral("Количество цветов"));
    colours->addAction(QStringLiteral("8 цветов"))->setShortcut(QKeySequence(Qt::Key_F8));
    colours->addAction(QStringLiteral("7 цветов"))->setShortcut(QKeySequence(Qt::Key_F7));
    colours->addAction(QStringLiteral("6 цветов"))->setShortcut(QKeySequence(Qt::Key_F6));
    colours->addAction(QStringLiteral("5 цветов"))->setShortcut(QKeySequence(Qt::Key_F5));
    QMenu* speed = options->addMenu(QStringLiteral("Скорость обновления"));
    for (const char* s : {"10 раз в сек", "5 раз в сек", "4 раза в сек", "2 раза в сек", "1 раз в сек"}) {
        speed->addAction(QString::fromUtf8(s));
    }
    options->addSeparator();
    options->addAction(QStringLiteral("Задействовать активные шарики"));
    options->addAction(QStringLiteral("Активные шарики каждый ход"));
    options->addSeparator();
    options->addAction(QStringLiteral("Автоматическая игра"));

    window.setCentralWidget(new Board(&window));
    window.setFixedSize(window.sizeHint());
    window.show();
    return QApplication::exec();
}
