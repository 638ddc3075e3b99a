// The game in the player's language: each translation in i18n/ for the
// players who speak it, the Russian texts for Russian speakers and the plain
// C locale.
#include <QAccessible>
#include <QDir>
#include <QMenuBar>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <memory>

#include "common/MenuTable.h"
#include "play/Play.h"
#include "qt/BoardAccessible.h"
#include "qt/Translation.h"
#include "qt/WindowRig.h"

using namespace zorbel;
using namespace zorbel::test;

namespace {

// The most moves the counter can find: every cell-and-direction pair.
constexpr int kMostMoves = 550;

// One i18n/*.ts file as read from the source tree, not through Qt's
// translator: the test holds the program to what the translators wrote.
struct Catalogue {
    QString language;
    QHash<QString, QString> texts;  // "context|source" -> translation

    QString Text(const char* context, const char* source) const {
        const QString russian = QString::fromUtf8(source);
        if (russian == QLatin1String("-")) return russian;
        return texts.value(QLatin1String(context) + QLatin1Char('|') + russian, QStringLiteral("<none for %1>").arg(russian));
    }
};

QList<Catalogue> Catalogues() {
    QList<Catalogue> all;
    for (const QFileInfo& file : QDir(QStringLiteral(ZORBEL_I18N_DIR)).entryInfoList({QStringLiteral("zorbel_*.ts")})) {
        QFile f(file.filePath());
        if (!f.open(QIODevice::ReadOnly)) continue;
        Catalogue c{file.completeBaseName().mid(7), {}};
        QXmlStreamReader xml(&f);
        QString context, source;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("name")) context = xml.readElementText();
            else if (xml.name() == QLatin1String("source")) source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) c.texts[context + QLatin1Char('|') + source] = xml.readElementText();
        }
        all << c;
    }
    return all;
}

// Every caption under the menu bar in table order, "-" for a separator.
QStringList Captions(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) {
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->menu()) out += Captions(a->menu()->actions());
    }
    return out;
}

// Width and height of one line of text as Qt lays it out in `font`, the
// fonts it falls back to for other scripts included.
QSizeF Extent(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return {line.naturalTextWidth(), line.height()};
}

// No character of `text` comes out as the empty box of a missing glyph, in
// `font` or whatever font Qt falls back to.
bool ShowsRealGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0) {
                qWarning("%s: no glyph in %s (for Chinese and Japanese install fonts-noto-cjk)", qPrintable(text),
                         qPrintable(run.rawFont().familyName()));
                return false;
            }
        }
    }
    return true;
}

// Qt sizes a menu to its longest caption; this holds it to that and to the
// screen, down to the submenus, and to real glyphs in the menu's font.
void VerifyMenuFits(QMenu* menu) {
    QVERIFY2(menu->sizeHint().width() <= menu->screen()->availableGeometry().width(), qPrintable(menu->title()));
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        const qreal needed = Extent(a->text(), menu->font()).width() + Extent(a->shortcut().toString(), menu->font()).width();
        QVERIFY2(menu->actionGeometry(a).width() > needed, qPrintable(a->text()));
        QVERIFY2(ShowsRealGlyphs(a->text(), menu->font()), qPrintable(a->text()));
        if (a->menu()) VerifyMenuFits(a->menu());
    }
}

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

    // Each translation shipped, under its own locale: the caption, every
    // menu item and both labels read as its file says, so a language that
    // fell back to another fails; the tree keeps its shape and shortcuts,
    // nothing is cut and nothing is drawn as an empty box.
    void everyLanguageInItsOwnWords() {
        const auto russian = Open(QLocale::c());
        const QList<Catalogue> catalogues = Catalogues();
        QVERIFY2(catalogues.size() >= 11, "the i18n folder lost its translations");
        for (const Catalogue& tr : catalogues) {
            qInfo("in %s", qPrintable(tr.language));
            const auto w = Open(QLocale(tr.language));
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            QCOMPARE(w->windowTitle(), tr.Text("Window", "Зорбель"));
            // Taller letters may heighten the menu bar, nothing else.
            QCOMPARE(w->width(), russian->width());
            QCOMPARE(w->lblSteps()->geometry(), russian->lblSteps()->geometry());
            QCOMPARE(w->lblExp()->geometry(), russian->lblExp()->geometry());

            QStringList expected;
            for (const MenuEntry& e : MenuEntries()) expected << tr.Text("Menu", e.caption);
            QCOMPARE(Captions(w->menuBar()->actions()), expected);
            QCOMPARE(Shape(w->menuBar()), Shape(russian->menuBar()));
            for (const QAction* top : w->menuBar()->actions()) {
                const QRect room = w->menuBar()->actionGeometry(const_cast<QAction*>(top));
                QVERIFY2(!room.isEmpty() && w->menuBar()->rect().contains(room), qPrintable(top->text()));
                QVERIFY2(ShowsRealGlyphs(top->text(), w->menuBar()->font()), qPrintable(top->text()));
                VerifyMenuFits(top->menu());
            }

            QCOMPARE(w->lblSteps()->text(), tr.Text("Labels", "Ходов: %1").arg(w->game().MoveCount));
            QCOMPARE(w->lblExp()->text(), tr.Text("Labels", "Счёт: %1").arg(w->game().Score));
            w->game().Score = kScoreCap;
            RefillBoard(w->game());
            QCOMPARE(w->lblExp()->text(), tr.Text("Labels", "Счёт: %1+").arg(kScoreCap));
            // The widest texts: the most moves a board of 150 cells can have
            // and the capped score.
            for (const QString& text : {tr.Text("Labels", "Ходов: %1").arg(kMostMoves), tr.Text("Labels", "Ходов нет!"),
                                        tr.Text("Labels", "Счёт: %1+").arg(kScoreCap)}) {
                for (const QLabel* label : {w->lblSteps(), w->lblExp()}) {
                    const QSizeF size = Extent(text, label->font());
                    QVERIFY2(size.width() <= label->contentsRect().width() && size.height() <= label->contentsRect().height(),
                             qPrintable(QStringLiteral("%1 %2: %3x%4").arg(tr.language, text).arg(size.width()).arg(size.height())));
                    QVERIFY2(ShowsRealGlyphs(text, label->font()), qPrintable(text));
                }
            }

            QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w->board());
            QCOMPARE(board->text(QAccessible::Name), tr.Text("Board", "Игровое поле"));
            GameState s = w->game();
            s.Board[1] = 7;
            s.Marks[1] = 1;
            s.Active[1] = 2;
            QCOMPARE(ui::CellName(s, 1), tr.Text("Board", "слоновая кость") + QStringLiteral(", ") +
                                             tr.Text("Board", "отмечен") + QStringLiteral(", ") + tr.Text("Board", "активный"));
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
