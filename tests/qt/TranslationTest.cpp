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
#include <tuple>

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
// Languages written in Han characters, or with some, and the Noto Sans CJK
// face that draws them in that language's forms.
const QHash<QString, QString> kHanFaces{{QStringLiteral("ja"), QStringLiteral("JP")}, {QStringLiteral("ko"), QStringLiteral("KR")},
                                        {QStringLiteral("zh_CN"), QStringLiteral("SC")}, {QStringLiteral("zh_TW"), QStringLiteral("TC")}};
// How far in from a label's leading edge its text may begin, in pixels.
constexpr int kInkInset = 3;

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
                qWarning("%s: no glyph in %s (tools/deps.sh test installs the fonts of every script)", qPrintable(text),
                         qPrintable(run.rawFont().familyName()));
                return false;
            }
        }
    }
    return true;
}

// The fonts Qt draws `text` in, one per run of glyphs.
QStringList Faces(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns()) faces << run.rawFont().familyName();
    return faces;
}

// The box around the dark pixels of a widget as it paints itself.
QRect Ink(QWidget* w) {
    const QImage image = w->grab().toImage().scaled(w->size());
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// `r`, a rectangle of the window's client area, as a mirror shows it.
QRect Mirrored(const QRect& r) { return {ui::kClientWidth - 1 - r.right(), r.top(), r.width(), r.height()}; }

// The font at twice its size, as a screen at 200 % draws it.
QFont Doubled(QFont font) {
    font.setPointSizeF(font.pointSizeF() * 2);
    return font;
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
            // Taller letters may heighten the menu bar, nothing else; the
            // labels trade places in a language written from right to left,
            // as its translators' letters tell.
            const bool rtl = tr.Text("Menu", "Игра").isRightToLeft();
            QCOMPARE(w->layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
            QCOMPARE(w->width(), russian->width());
            for (const auto& [label, place] : {std::pair{w->lblSteps(), russian->lblSteps()->geometry()},
                                               std::pair{w->lblExp(), russian->lblExp()->geometry()}}) {
                QCOMPARE(label->geometry(), rtl ? Mirrored(place) : place);
            }

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
            // and the capped score, at 100 % and at 200 %; each begins at the
            // label's leading edge, the right one in a right-to-left language,
            // and its ink, marks over and under the letters included, is
            // inside the label.
            for (const QString& text : {tr.Text("Labels", "Ходов: %1").arg(kMostMoves), tr.Text("Labels", "Ходов нет!"),
                                        tr.Text("Labels", "Счёт: %1+").arg(kScoreCap)}) {
                for (QLabel* label : {w->lblSteps(), w->lblExp()}) {
                    for (const int scale : {1, 2}) {
                        const QSizeF size = Extent(text, scale == 1 ? label->font() : Doubled(label->font()));
                        QVERIFY2(size.width() <= scale * label->contentsRect().width() &&
                                     size.height() <= scale * label->height(),
                                 qPrintable(QStringLiteral("%1 %2 at %3x: %4x%5")
                                                .arg(tr.language, text).arg(scale).arg(size.width()).arg(size.height())));
                    }
                    QVERIFY2(ShowsRealGlyphs(text, label->font()), qPrintable(text));
                    // Han characters drawn in the forms of the language.
                    if (const QString han = kHanFaces.value(tr.language); !han.isEmpty()) {
                        const QStringList faces = Faces(text, label->font());
                        QVERIFY2(faces.contains(QStringLiteral("Noto Sans CJK ") + han), qPrintable(faces.join(',')));
                    }
                    const QString shown = label->text();
                    label->setText(text);
                    const QRect ink = Ink(label);
                    label->setText(shown);
                    // Not cut at the top or the bottom: marks above and below the letters included.
                    QVERIFY2(ink.top() > 0 && ink.bottom() < label->height() - 1,
                             qPrintable(QStringLiteral("%1 %2: ink from %3 to %4").arg(tr.language, text).arg(ink.top()).arg(ink.bottom())));
                    QVERIFY2(!ink.isEmpty() && (rtl ? label->width() - 1 - ink.right() : ink.left()) <= kInkInset,
                             qPrintable(QStringLiteral("%1 %2: ink at %3..%4").arg(tr.language, text).arg(ink.left()).arg(ink.right())));
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

    // Arabic, written from right to left: the menu bar starts at the right
    // and a menu opens under its title, reaching left; the labels are
    // mirrored (checked for every language above) and the board is not: a
    // click and a drag swap the cells under the pointer, and the arrows
    // move the frame the way they point.
    void rightToLeftMirrorsMenusNotTheBoard() {
        const auto w = Open(QLocale(QStringLiteral("ar_EG")));
        ShowActive(*w);
        QMenuBar* bar = w->menuBar();
        const QList<QAction*> titles = bar->actions();
        const QRect first = bar->actionGeometry(titles[0]);
        const QRect second = bar->actionGeometry(titles[1]);
        QVERIFY2(bar->width() - 1 - first.right() < first.left() && second.right() < first.left(),
                 qPrintable(QStringLiteral("titles at %1..%2 and %3..%4 in %5").arg(first.left()).arg(first.right())
                                .arg(second.left()).arg(second.right()).arg(bar->width())));
        QTest::mouseClick(bar, Qt::LeftButton, {}, first.center());
        QMenu* menu = titles[0]->menu();
        QTRY_VERIFY(menu->isVisible());
        const QRect title(bar->mapToGlobal(first.topLeft()), first.size());
        QCOMPARE(menu->geometry().top(), title.bottom() + 1);
        QCOMPARE(menu->geometry().right(), title.right());
        menu->close();

        ui::BoardWidget* board = w->board();
        QCOMPARE(board->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(board->geometry().topLeft(), QPoint(ui::kGridLeft, ui::kGridTop));
        Game& g = w->game();
        for (const auto& [from, to, drag] : {std::tuple{Int(50), Int(51), false}, std::tuple{Int(82), Int(97), true}}) {
            LayBoard(*w, Checker);
            const Int colours[] = {g.Board[from], g.Board[to]};
            if (drag) {
                QTest::mousePress(board, Qt::LeftButton, {}, At(from));
                QTest::mouseMove(board, At(to));
                QTest::mouseRelease(board, Qt::LeftButton, {}, At(to));
            } else {
                QTest::mouseClick(board, Qt::LeftButton, {}, At(from));
                QCOMPARE(g.FirstCell, from);
                QTest::mouseClick(board, Qt::LeftButton, {}, At(to));
            }
            QVERIFY2(g.Board[from] == colours[1] && g.Board[to] == colours[0], drag ? "drag" : "clicks");
            Settle(*w);
        }
        board->setFocus();
        QTest::keyClick(board, Qt::Key_Right);  // shows the frame on the top-left cell
        const Int shown = board->cursorCell();
        QTest::keyClick(board, Qt::Key_Right);
        QCOMPARE(board->cursorCell(), Int(shown + 1));
        QTest::keyClick(board, Qt::Key_Left);
        QCOMPARE(board->cursorCell(), shown);
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
