// The game in the player's language: English for everyone but Russian
// speakers and the plain C locale, who see exactly the Russian texts.
#include <QAccessible>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "common/MenuTable.h"
#include "play/Play.h"
#include "ui/BoardAccessible.h"
#include "ui/Translation.h"
#include "ui/WindowRig.h"

using namespace zorbel;
using namespace zorbel::test;

namespace {

// The shape of the menu tree without its words: separators, submenus,
// shortcuts and check marks, item by item.
QStringList Shape(const QMenuBar* bar) {
    QStringList shape;
    for (const QAction* top : bar->actions()) {
        for (const QAction* a : top->menu()->actions()) {
            const QList<QAction*> items = a->menu() ? a->menu()->actions() : QList<QAction*>{const_cast<QAction*>(a)};
            for (const QAction* item : items) {
                shape << QStringLiteral("%1%2 %3 %4").arg(a->menu() ? QStringLiteral(">") : QString(),
                                                         item->isSeparator() ? QStringLiteral("-") : QStringLiteral("item"),
                                                         item->shortcut().toString(), item->isChecked() ? "x" : "");
            }
        }
    }
    return shape;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::frmMain> Open(const QLocale& locale) {
        ui::UseTranslationFor(locale);
        auto w = std::make_unique<ui::frmMain>(20240607);
        LayBoard(*w, Checker);
        ClickCell(w->game(), 50);
        ClickCell(w->game(), 51);
        Settle(*w);  // both labels written
        return w;
    }

private slots:
    void cleanup() { ui::UseTranslationFor(QLocale::c()); }

    void russianFirstOrNoLanguageMeansRussian() {
        for (const char* name : {"ru_RU", "ru_UA", "ru"}) QVERIFY2(ui::SpeaksRussian(QLocale(QLatin1String(name))), name);
        QVERIFY(ui::SpeaksRussian(QLocale::c()));
        for (const char* name : {"en_US", "en_GB", "de_DE", "uk_UA", "fr"}) QVERIFY2(!ui::SpeaksRussian(QLocale(QLatin1String(name))), name);
    }

    // Every caption byte for byte as the game has always had them.
    void russianAndCAreTheGamesOwnTexts() {
        for (const QLocale& locale : {QLocale(QStringLiteral("ru_RU")), QLocale::c()}) {
            const auto w = Open(locale);
            QCOMPARE(w->windowTitle(), QStringLiteral("Зорбель"));
            QStringList captions;
            for (const MenuEntry& e : MenuEntries()) {
                if (qstrcmp(e.caption, "-") != 0) captions << QString::fromUtf8(e.caption);
            }
            QStringList shown;
            for (const QAction* top : w->menuBar()->actions()) shown << top->text();
            for (const QAction* a : w->findChildren<QAction*>()) {
                if (!a->isSeparator() && !a->text().isEmpty() && !shown.contains(a->text())) shown << a->text();
            }
            for (const QString& c : captions) QVERIFY2(shown.contains(c), qPrintable(c));
            QCOMPARE(w->lblSteps()->text(), QStringLiteral("Ходов: %1").arg(w->game().MoveCount));
            QCOMPARE(w->lblExp()->text(), QStringLiteral("Счёт: %1").arg(w->game().Score));
        }
    }

    void englishEverywhere() {
        const auto russian = Open(QLocale::c());
        const auto w = Open(QLocale(QStringLiteral("en_GB")));
        QCOMPARE(w->windowTitle(), QStringLiteral("Zorbel"));
        const QList<QAction*> top = w->menuBar()->actions();
        QCOMPARE(top[0]->text() + QLatin1Char('|') + top[1]->text(), QStringLiteral("Game|Settings"));
        QCOMPARE(Describe(top[0]->menu()), QStringLiteral("New|-|Hint"));
        QCOMPARE(Describe(top[1]->menu()),
                 QStringLiteral("Number of colours[8 colours|7 colours|6 colours|5 colours]|"
                                "Speed[10 times a second|5 times a second|4 times a second|Twice a second|Once a second]|"
                                "-|Use active balls|Active balls every move|-|Automatic play|-|Symbols on the balls"));
        QCOMPARE(Shape(w->menuBar()), Shape(russian->menuBar()));
        QCOMPARE(w->lblSteps()->text(), QStringLiteral("Moves: %1").arg(w->game().MoveCount));
        QCOMPARE(w->lblExp()->text(), QStringLiteral("Score: %1").arg(w->game().Score));
        w->game().Score = kScoreCap;
        RefillBoard(w->game());
        QCOMPARE(w->lblExp()->text(), QStringLiteral("Score: 32000+"));

        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w->board());
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Game board"));
        GameState s = w->game();
        s.Board[1] = 7;
        s.Marks[1] = 1;
        s.Active[1] = 2;
        QCOMPARE(ui::CellName(s, 1), QStringLiteral("ivory, marked, active"));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
