// The plate grid: setters with their guards, layout arithmetic, captions, clicks.
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <memory>

#include "RuzdoPole.h"
#include "core/random_source.h"
#include "widgets/plate_button.h"

namespace {

std::unique_ptr<TRuzdoPole> makeGrid() {
  auto grid = std::make_unique<TRuzdoPole>(nullptr);
  grid->resize(452, 629);
  grid->show();
  return grid;
}

QStringList captions(const TRuzdoPole& grid) {
  QStringList out;
  for (PlateButton* p : grid.Plates()) out << p->text();
  return out;
}

}  // namespace

class TestRuzdoPole : public QObject {
  Q_OBJECT
 private slots:
  // Every plate shows its whole caption, in a smaller type or over more
  // lines when it must, and never cut short.
  void captionsShowWhole_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("widestPicture");
    QTest::newRow("years in 10 columns") << 1950 << 2049 << 10 << "" << false;
    QTest::newRow("5 digits, widest picture, 10 columns") << 99900 << 99999 << 10 << "" << true;
    QTest::newRow("5 digits, widest picture, 2 columns") << 99990 << 99999 << 2 << "" << true;
    QTest::newRow("phone numbers in 6 columns") << 0 << 9 << 6 << "___-____-____" << false;
    QTest::newRow("phone numbers in 10 columns") << 0 << 99 << 10 << "___-____-____" << false;
    QTest::newRow("spaces in 8 columns") << 0 << 9 << 8 << "__ __ __ __" << false;
  }
  void captionsShowWhole() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, cols);
    QFETCH(QString, pattern);
    QFETCH(bool, widestPicture);
    TTani widest = tanNen;
    if (widestPicture)
      for (int t = 1; t < kTaniCount; ++t)
        if (CounterImage(static_cast<TTani>(t))->width() > CounterImage(widest)->width())
          widest = static_cast<TTani>(t);
    auto grid = makeGrid();
    grid->SetTani(widest);
    grid->SetTemplate(pattern);
    grid->SetMinRuzdo(min);
    grid->SetMaxRuzdo(max);
    grid->SetCols(cols);
    for (PlateButton* plate : grid->Plates()) {
      const PlateButton::Face face = plate->face();
      QCOMPARE(face.lines.join(QString()), plate->text());
      QVERIFY(face.font.pointSize() >= PlateButton::kSmallestPointSize);
      // Within the plate's contents.
      QStyleOptionButton option;
      option.initFrom(plate);
      const QRect room =
          plate->style()->subElementRect(QStyle::SE_PushButtonContents, &option, plate);
      const QFontMetrics metrics(face.font);
      QVERIFY(face.lines.size() * metrics.lineSpacing() <= room.height());
      for (const QString& line : face.lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= room.width(), qPrintable(line));
      // One line in a legible size first, the picture kept where it fits.
      QFont legible = face.font;
      legible.setPointSize(PlateButton::kMinCaptionPointSize);
      if (face.lines.size() > 1 || face.font.pointSize() < PlateButton::kMinCaptionPointSize)
        QVERIFY(QFontMetrics(legible).horizontalAdvance(plate->text()) > room.width());
    }
  }

  // A counter said only with some numbers shows only on their plates: つ
  // after 1 ... 10, while 0 and 11 are said bare.
  void aCounterShowsWhereItIsSaid() {
    auto grid = makeGrid();
    grid->SetTani(tanTu);
    grid->SetMaxRuzdo(11);
    for (PlateButton* plate : grid->Plates()) {
      const int n = plate->property("Tag").toInt();
      const bool said = n >= 1 && n <= 10;
      QCOMPARE(plate->hasGlyph(), said);
      QCOMPARE(plate->accessibleName(), QString::number(n) + (said ? QStringLiteral("つ") : ""));
    }
  }

  void constructionBuildsNoPlates() {
    TRuzdoPole grid(nullptr);
    QVERIFY(grid.Plates().empty());
    QCOMPARE(grid.Cols(), 2);
    QCOMPARE(grid.MaxRuzdo(), 9);
    QString text = QStringLiteral("kept");
    grid.RandomPlateCaption(text);
    QCOMPARE(text, QStringLiteral("kept"));
  }

  void defaultsInTheStartSize() {
    auto grid = makeGrid();
    QCOMPARE(int(grid->Plates().size()), 10);
    QCOMPARE(captions(*grid), QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    for (int i = 0; i < 10; ++i) {
      const PlateButton* p = grid->Plates()[size_t(i)];
      QCOMPARE(p->geometry(), QRect((i % 2) * 226, (i / 2) * 125, 226, 125));
      QCOMPARE(p->property("Tag").toInt(), i);
      QVERIFY(p->isVisible());
      QCOMPARE(p->focusPolicy(), Qt::StrongFocus);
    }
    QCOMPARE(grid->font().pointSize(), 14);
  }

  // Each row: a sequence of setter calls, then the state they must leave.
  void setters_data() {
    QTest::addColumn<QString>("calls");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("indention");
    QTest::addColumn<int>("minRuzdo");
    QTest::addColumn<int>("maxRuzdo");
    QTest::addColumn<int>("rows");
    QTest::newRow("cols 0 ignored") << "cols 0" << 2 << 0 << 0 << 9 << 0;
    QTest::newRow("cols -3 ignored") << "cols -3" << 2 << 0 << 0 << 9 << 0;
    QTest::newRow("cols 1 pulls indent 3 to 0")
        << "cols 4;indent 3;cols 1" << 1 << 0 << 0 << 9 << 0;
    QTest::newRow("indent 7 in 4 columns is 3") << "cols 4;indent 7" << 4 << 3 << 0 << 9 << 0;
    QTest::newRow("indent -1 ignored") << "indent 1;indent -1" << 2 << 1 << 0 << 9 << 0;
    QTest::newRow("min 20 from 0..9") << "min 20" << 2 << 0 << 20 << 20 << 0;
    QTest::newRow("max 5 from 10..30") << "min 10;max 30;max 5" << 2 << 0 << 5 << 5 << 0;
    QTest::newRow("negative bounds ignored") << "min -1;max -5" << 2 << 0 << 0 << 9 << 0;
    QTest::newRow("rows -1 ignored") << "rows 3;rows -1" << 2 << 0 << 0 << 9 << 3;
    QTest::newRow("0..99 in 10 columns") << "max 99;cols 10" << 10 << 0 << 0 << 99 << 0;
  }
  void setters() {
    QFETCH(QString, calls);
    auto grid = makeGrid();
    for (const QString& call : calls.split(QLatin1Char(';'))) {
      const QStringList parts = call.split(QLatin1Char(' '));
      const int v = parts[1].toInt();
      if (parts[0] == "cols") grid->SetCols(v);
      if (parts[0] == "indent") grid->SetIndention(v);
      if (parts[0] == "min") grid->SetMinRuzdo(v);
      if (parts[0] == "max") grid->SetMaxRuzdo(v);
      if (parts[0] == "rows") grid->SetRows(v);
    }
    QFETCH(int, cols);
    QCOMPARE(grid->Cols(), cols);
    QFETCH(int, indention);
    QCOMPARE(grid->Indention(), indention);
    QFETCH(int, minRuzdo);
    QCOMPARE(grid->MinRuzdo(), minRuzdo);
    QFETCH(int, maxRuzdo);
    QCOMPARE(grid->MaxRuzdo(), maxRuzdo);
    QFETCH(int, rows);
    QCOMPARE(grid->Rows(), rows);
    // One plate per number, each tagged with its number.
    QCOMPARE(int(grid->Plates().size()), grid->MaxRuzdo() - grid->MinRuzdo() + 1);
    for (size_t i = 0; i < grid->Plates().size(); ++i)
      QCOMPARE(grid->Plates()[i]->property("Tag").toInt(), grid->MinRuzdo() + int(i));
  }

  void indentionShiftsThePlates() {
    auto grid = makeGrid();
    grid->SetIndention(1);
    QCOMPARE(grid->CellHeight(), 629 / 6);
    QCOMPARE(grid->Plates()[0]->pos(), QPoint(226, 0));
    QCOMPARE(grid->Plates()[1]->pos(), QPoint(0, 104));
    QCOMPARE(grid->Plates()[2]->pos(), QPoint(226, 104));
  }

  // Rows 2 for ten plates in two columns: plates 4 ... 9 start below the
  // grid, and the wheel or the keyboard brings them into it.
  void explicitRowsScrollToThePlatesBelow() {
    auto grid = makeGrid();
    QVERIFY(!grid->ScrollBar()->isVisible());
    grid->SetRows(2);
    QCOMPARE(grid->CellHeight(), 314);
    QVERIFY(grid->ScrollBar()->isVisible());
    QCOMPARE(grid->CellWidth(), (452 - grid->ScrollBar()->width()) / 2);
    for (size_t i = 4; i < 10; ++i) QVERIFY(grid->Plates()[i]->y() >= 2 * 314);
    PlateButton* last = grid->Plates()[9];
    for (int notch = 0; notch < 4; ++notch) {  // as the plates pass the wheel on
      QWheelEvent down(QPointF(10, 10), grid->mapToGlobal(QPointF(10, 10)), {}, {0, -120},
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(grid.get(), &down);
    }
    QVERIFY(grid->rect().contains(last->geometry()));
    grid->SetRows(2);  // new plates start from the top
    last = grid->Plates()[9];
    QVERIFY(last->y() >= 2 * 314);
    grid->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid.get()));
    last->setFocus(Qt::TabFocusReason);
    QVERIFY(grid->rect().contains(last->geometry()));
    grid->Plates()[0]->setFocus(Qt::BacktabFocusReason);
    QCOMPARE(grid->Plates()[0]->y(), 0);
    grid->SetRows(0);
    QVERIFY(!grid->ScrollBar()->isVisible());
  }

  // A resize moves the plates and keeps what they show: a sequence just
  // asked stays on its plate.
  void resizeRelaysThePlates() {
    auto grid = makeGrid();
    grid->SetTemplate(QStringLiteral("___"));
    const QStringList shown = captions(*grid);
    grid->resize(800, 500);
    QCOMPARE(grid->CellWidth(), 400);
    QCOMPARE(grid->CellHeight(), 100);
    QCOMPARE(grid->Plates()[9]->geometry(), QRect(400, 400, 400, 100));
    QCOMPARE(captions(*grid), shown);
  }

  void templates() {
    ruzdo::SeedRandom(3);
    auto grid = makeGrid();
    grid->SetTemplate(QStringLiteral("__"));
    for (const QString& c : captions(*grid))
      QVERIFY(QRegularExpression("^\\d\\d$").match(c).hasMatch());
    QCOMPARE(grid->Plates()[3]->property("Tag").toInt(), 3);  // numbers kept
    grid->SetTemplate(QStringLiteral("a_"));
    for (const QString& c : captions(*grid))
      QVERIFY(QRegularExpression("^a\\d$").match(c).hasMatch());
    grid->RegenerateCaptions();
    for (const QString& c : captions(*grid)) QVERIFY(c.startsWith(QLatin1Char('a')));
    QString picked;
    grid->RandomPlateCaption(picked);
    QVERIFY(captions(*grid).contains(picked));
    grid->SetTemplate(QString());
    QCOMPARE(captions(*grid).first(), QStringLiteral("0"));
    QCOMPARE(captions(*grid).last(), QStringLiteral("9"));
    grid->RegenerateCaptions();  // empty template: empty captions
    for (const QString& c : captions(*grid)) QVERIFY(c.isEmpty());
  }

  // A lesson's plates: as many as asked, whatever the range, without counter
  // words, their captions from outside and typed as the lesson says.
  void aPlateCountHoldsALessonsItems() {
    auto grid = makeGrid();
    grid->SetTani(tanZi);
    grid->SetPlateCount(6);
    QCOMPARE(grid->Plates().size(), std::size_t(6));
    const QStringList dates{"2026年3月14日", "2026年4月8日",  "2026年4月4日",
                            "2026年7月14日", "2026年3月24日", "2026年9月14日"};
    grid->SetCaptions(dates);
    grid->SetMaxRuzdo(20);  // the range leaves a lesson's grid as it is
    QCOMPARE(captions(*grid), dates);
    QVERIFY(grid->Plates()[2]->accessibleName().indexOf(QStringLiteral("時")) < 0);
    QStringList clicks;
    grid->OnButtonClick = [&](int, const QString& tel) { clicks << tel; };
    grid->TypedDigits = [](const std::string& c) { return c.substr(c.find("年")); };
    grid->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid.get()));
    grid->Plates()[0]->setFocus();
    QTest::keyClicks(grid->Plates()[0], QStringLiteral("44"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(clicks, QStringList{dates[2]});
    grid->SetPlateCount(0);  // a plate per number again
    QCOMPARE(captions(*grid).last(), QStringLiteral("20"));
  }

  void counterPictures() {
    auto grid = makeGrid();
    grid->SetTani(tanZikan);
    QCOMPARE(grid->Tani(), tanZikan);
    for (PlateButton* p : grid->Plates()) QCOMPARE(p->glyphSize(), QSize(30, 16));
    grid->SetMaxRuzdo(3);  // new plates take the picture too
    for (PlateButton* p : grid->Plates()) QVERIFY(p->hasGlyph());
    grid->SetTani(tanHon);
    QCOMPARE(grid->Plates()[0]->glyphSize(), QSize(16, 16));
    grid->SetTani(tanNone);
    for (PlateButton* p : grid->Plates()) QVERIFY(!p->hasGlyph());
  }

  // A screen reader hears a plate's whole caption, the counter word with it.
  void plateNamesHoldTheCounterWord() {
    auto grid = makeGrid();
    grid->SetTani(tanHon);
    QCOMPARE(grid->Plates()[3]->accessibleName(), QStringLiteral("3本"));
    grid->SetTani(tanTuki);
    QCOMPARE(grid->Plates()[3]->accessibleName(), QStringLiteral("3か月"));
    grid->SetMinRuzdo(10);  // new plates, new captions
    QCOMPARE(grid->Plates()[0]->accessibleName(), QStringLiteral("10か月"));
    grid->SetTani(tanNone);
    QCOMPARE(grid->Plates()[0]->accessibleName(), QStringLiteral("10"));
  }

  void clicksAndKeys() {
    auto grid = makeGrid();
    grid->SetTemplate(QStringLiteral("_-__"));
    QList<QPair<int, QString>> clicks;
    grid->OnButtonClick = [&](int num, const QString& tel) { clicks.append({num, tel}); };
    PlateButton* plate = grid->Plates()[3];
    QTest::mouseClick(plate, Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0].first, 3);
    QCOMPARE(clicks[0].second, plate->text());
    // Space presses the focused plate; arrows move through the grid.
    grid->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid.get()));
    plate->setFocus();
    QTest::keyClick(plate, Qt::Key_Space);
    QCOMPARE(clicks.size(), 2);
    QTest::keyClick(plate, Qt::Key_Down);
    QVERIFY(grid->Plates()[5]->hasFocus());
    QTest::keyClick(grid->Plates()[5], Qt::Key_Left);
    QVERIFY(grid->Plates()[4]->hasFocus());
  }

  // Answering on a focused plate (3 of 0 ... 12, three columns) from the
  // keyboard. Keys: digits as typed, < Backspace, x Escape, D Down, R Return,
  // N the keypad's Enter.
  void typedAnswers_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("clicked");  // "" none
    QTest::addColumn<QString>("hint");     // "" hidden
    QTest::addColumn<int>("focused");
    const struct {
      const char *keys, *clicked, *hint;
      int focused;
    } rows[] = {
        {"R", "3", "", 3},    // Enter presses the focused plate
        {"1DR", "4", "", 4},  // the arrows drop the digits
        {"11R", "11", "", 11},
        {"1N", "1", "", 1},
        {"12", "", "Набрано: 12", 12},  // the focus on the plate they name
        {"99", "", "Набрано: 99 — такой плашки нет", 9},
        {"13R", "", "Нет плашки 13: ничего не нажато", 1},
        {"13<R", "1", "", 1},
        {"5xR", "5", "", 5},
    };
    for (const auto& r : rows)
      QTest::newRow(r.keys) << QString(r.keys) << QString(r.clicked) << QString::fromUtf8(r.hint)
                            << r.focused;
  }
  void typedAnswers() {
    QFETCH(QString, keys);
    auto grid = makeGrid();
    grid->SetCols(3);
    grid->SetMaxRuzdo(12);
    QStringList clicks;
    grid->OnButtonClick = [&](int, const QString& tel) { clicks << tel; };
    grid->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid.get()));
    grid->Plates()[3]->setFocus();
    const Qt::Key named[] = {Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Down, Qt::Key_Return,
                             Qt::Key_Enter};
    for (const QChar k : keys) {
      const auto i = QStringLiteral("<xDRN").indexOf(k);
      if (i < 0)
        QTest::keyClicks(QApplication::focusWidget(), QString(k));
      else
        QTest::keyClick(QApplication::focusWidget(), named[i],
                        k == 'N' ? Qt::KeypadModifier : Qt::NoModifier);
    }
    QFETCH(QString, clicked);
    QCOMPARE(clicks.join(','), clicked);
    auto* label = grid->findChild<QLabel*>(QStringLiteral("lTyped"));
    QTEST(label->isVisible() ? label->accessibleName() : QString(), "hint");
    QFETCH(int, focused);
    PlateButton* plate = grid->Plates()[size_t(focused)];
    QVERIFY(plate->hasFocus());
    // Its frame, in the highlight colour, is as wide as it is meant to be.
    const QImage face = plate->grab().toImage();
    for (int x = 0; x < PlateButton::kFocusFrame; ++x)
      QCOMPARE(face.pixelColor(PlateButton::kFocusInset + x, face.height() / 2),
               plate->palette().color(QPalette::Highlight));
  }
};

QTEST_MAIN(TestRuzdoPole)
#include "test_ruzdo_pole.moc"
