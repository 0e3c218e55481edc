// The world map window at device pixel ratio 1 as the user drives it: its
// designed places, presses on the map and on its controls, Find Country, the
// name labels, and the two long commands with what may happen while they run.
#include "placesonmap.inc"

namespace zv {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

TEST_F(WorldMapTest, AsTheUserDrivesIt) {
  // Every control at its designed place in pixels (twips / 15, rounded) with
  // its caption drawn whole; a caption that sizes itself (w = 0) has its top
  // left corner. Every control keeps the presses made on it, except the point
  // marker and the hidden progress bar: a press there is a press on the map.
  EXPECT_EQ(map_->windowTitle(), "World Map");
  using enum WorldMapWindow::InfoLabel;
  using enum WorldMapWindow::Legend;
  WorldMapWindow* m = map_;  // no caption: {}; the point marker Shape3 and progress bar Shape1/2 last
  // clang-format off
  const std::tuple<QWidget*, int, int, int, int, const char*> places[] = {
      {m->Command4(), 3, 270, 109, 23, "Plot Sunrise/Sunset"}, {m->Command2(), 153, 294, 61, 23, "Clear"},
      {m->Label1(kLabelLongitude), 167, 324, 0, 0, "Longitude"}, {m->lblGMT(0), 0, 3, 28, 13, "GMT"},
      {m->Label1(kLabelSunrise), 327, 324, 0, 0, "Sunrise at"}, {m->Command3(), 3, 294, 52, 23, "Close"},
      {m->Label2(kLegendSunrise), 525, 303, 0, 13, "Sun rise"}, {m->Text1(), 36, 243, 76, 22, "12:00 PM"},
      {m->Label1(kLabelLatitude), 3, 324, 0, 0, "Latitude"}, {m->Command5(), 57, 294, 94, 23, "Find Country"},
      {m->Label1(kLabelSunset), 522, 324, 0, 0, "Sunset at"}, {m->Label1(kLabelGmt), 6, 246, 0, 0, "GMT"},
      {m->Label2(kLegendSunset), 627, 303, 0, 13, "Sun set"}, {m->Shape4(), 519, 300, 199, 19, {}},
      {m->Line1(kLegendSunrise), 567, 310, 42, 4, {}}, {m->Command1(), 114, 270, 100, 23, "Show Day/Night"},
      {m->Line1(kLegendSunset), 669, 310, 42, 4, {}}, {m->Shape3(), 0, 27, 3, 3, {}},
      {m->Shape1(), 237, 300, 229, 16, {}}, {m->Shape2(), 237, 300, 1, 16, {}}};
  // clang-format on
  QWindow* window = map_->windowHandle();
  for (const auto& [w, x, y, width, height, caption] : places) {
    SCOPED_TRACE(w->objectName().toStdString() + (caption ? caption : ""));
    EXPECT_EQ(w->geometry(), QRect(x, y, width ? width : w->width(), height ? height : w->height()));
    const QString text = w->property("text").toString();
    EXPECT_EQ(text, caption);
    EXPECT_LE(w->fontMetrics().horizontalAdvance(text), w->width());
    const QPoint before = map_->Shape3()->pos(), at = w->geometry().center();  // then a press there
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(700, 250));  // away from every button
    EXPECT_EQ(map_->Shape3()->pos(), !w->isVisible() || w == map_->Shape3() ? at : before);
  }
  // The strip below the map, clear of the captions, is no map either.
  QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(715, 337));
  EXPECT_NE(map_->Shape3()->pos(), QPoint(715, 337));
  // The point information in Courier New 9; name labels bold and yellow,
  // without a background over the picture; the legend's lines red and blue,
  // 2 pixels high in the middle of their place, on the legend box; the marker
  // red, the progress fill blue.
  EXPECT_EQ(map_->Label1(kLabelGmt)->font().pointSizeF(), 9.0);
  map_->MarkCountry(1);
  for (QLabel* l : {map_->lblGMT(0), map_->lblGMT(1)})
    EXPECT_TRUE(l->font().bold() && !l->autoFillBackground() &&
                l->palette().color(QPalette::WindowText) == QColor(255, 255, 0));
  const QImage shown = map_->grab().toImage();
  for (int y = 310; y < 314; ++y)
    EXPECT_TRUE(shown.pixel(580, y) == (y == 311 || y == 312 ? kRed : map_->Shape4()->Colour().rgb()) &&
                (shown.pixel(680, y) == kBlue) == (y == 311 || y == 312))
        << y;
  EXPECT_TRUE(map_->Shape3()->Colour() == QColor(kRed) && map_->Shape2()->Colour() == QColor(0, 0, 192));
  // A press on the map moves the marker there and reports the point: for
  // (363, 154) pixels, 3.59 N 1.50 E, where the sun rose at 5:59.7 GMT and set
  // at 17:54.9 on 1 January 2000 (NOAA's formulas). Escape closes the window.
  QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(363, 154));
  EXPECT_EQ(map_->Shape3()->pos(), QPoint(363, 154));
  EXPECT_EQ(map_->Label1(kLabelLatitude)->text() + '|' + map_->Label1(kLabelLongitude)->text() + '|' +
                map_->Label1(kLabelSunrise)->text() + '|' + map_->Label1(kLabelSunset)->text(),
            "Latitude 3.59|Longitude 1.50|Sunrise at 5:59 GMT|Sunset at 17:55 GMT");
  QTest::keyClick(map_, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(map_.isNull());
  SetUp();
  // Find Country marks every entry whose name holds the answer, parts of one
  // country next to each other once. The last answer is offered next time;
  // Cancel marks nothing and says nothing.
  // clang-format off
  const std::tuple<const char*, int, const char*> answers[] = {
      {"ruri", 3, "3 countries found."}, {"ruritania", 1, "1 country found."}, {"xyz", 0, "XYZ* not found"},
      {"rurik", 1, "1 country found."}, {"kingston", 2, "2 countries found."}};
  // clang-format on
  for (const auto& [answer, marks, message] : answers) {
    map_->ClearMap();
    prompts_.AnswerInput(QString::fromLatin1(answer));
    map_->FindCountry();
    EXPECT_EQ(map_->HighestLabelIndex(), marks) << answer;
    EXPECT_EQ(std::exchange(prompts_.messages, {}), QStringList{message});
  }
  prompts_.AnswerInput(std::nullopt);
  map_->FindCountry();
  EXPECT_TRUE(prompts_.messages.isEmpty() && prompts_.asked.back().offered == "kingston");
  EXPECT_EQ(prompts_.asked.back().prompt, "Enter the partial name of country to locate");
  // A left click on a name label opens the first entry whose name holds the
  // label's first ten letters: "Ruritania" (entry 21) opens entry 20,
  // "Kingstonian Bay" (26) opens "Kingstonia" (25), also by a double click.
  // The "GMT" labels (the template, 0, and "GMT Island", 24) open nothing, nor
  // does a right click or a press released off the label. No press on a label
  // reaches the map.
  enum Click { kLeft, kRight, kDragOff, kDouble };
  // clang-format off
  const std::tuple<int, Click, const char*> clicks[] = {
      {0, kLeft, ""}, {24, kLeft, ""}, {21, kRight, ""}, {21, kDragOff, ""}, {21, kLeft, "20"},
      {26, kDouble, "25"}};
  // clang-format on
  QTest::mouseClick(map_->windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
  for (const auto& [entry, click, opened] : clicks) {
    map_->ClearMap();
    if (entry) map_->MarkCountry(entry);
    QLabel* label = map_->lblGMT(entry ? 1 : 0);
    const Qt::MouseButton button = click == kRight ? Qt::RightButton : Qt::LeftButton;
    click == kDouble ? QTest::mouseDClick(label, button, {}, QPoint(2, 2))
                     : QTest::mousePress(label, button, {}, QPoint(2, 2));
    QTest::mouseRelease(label, button, {}, click == kDragOff ? QPoint(-5, 2) : QPoint(2, 2));
    EXPECT_EQ(CountryInfo()->isVisible() ? CountryInfo()->Text2()->text() : QString(), opened) << entry;
    EXPECT_EQ(map_->Shape3()->pos(), QPoint(100, 100));
  }
  // While a command runs: the busy pointer over this window only, the progress
  // bar shown and keeping its presses, every other command ignored; afterwards
  // the pointer put back however the command ends, the progress bar hidden at
  // 182 of 360 (or 180) rows. At 12:00 GMT Show Day/Night draws white dots
  // where the sun rises (west of the middle) and lines of the pen colour from
  // the top to where it sets (east); Plot Sunrise/Sunset draws red sunrise and
  // blue sunset lines and writes the time above the first sunrise at 66 N or
  // beyond (26 W, see the sun line tests). A command whose GMT time is no time
  // of day says so with the normal pointer and draws nothing; one whose window
  // closes stops after its first row (90 S, below the map).
  enum End { kFailed, kDone, kClosed };
  // clang-format off
  const std::tuple<bool, const char*, End, const char*> runs[] = {
      {false, "soon", kFailed,
       "The GMT time \"soon\" is not a time of day, so the day and night lines cannot be shown."},
      {true, "25:99", kFailed, "13. Type mismatch"}, {false, "12:00 pm", kDone, nullptr},
      {true, "12:00 pm", kDone, nullptr}, {false, "12:00 pm", kClosed, nullptr},
      {true, "12:00 pm", kClosed, nullptr}};
  // clang-format on
  struct Watch : test::ScriptedPrompter {  // fails the test on any input box: no Find Country
    bool busy = true;
    void Message(QWidget* parent, const QString& text) override {
      busy = parent->cursor().shape() == Qt::WaitCursor, ScriptedPrompter::Message(parent, text);
    }
  } watch;
  for (const auto& [plot, time, end, message] : runs) {
    SCOPED_TRACE(testing::Message() << plot << time << end);
    if (!map_) SetUp();
    map_->ClearMap();
    Shared().gmtTimeText = QString::fromLatin1(time);
    map_->Text1()->setText(QString::fromLatin1(time));
    bool probed = false;
    QObject probe;  // a failed command processes no events: its probe goes with the row
    QTimer::singleShot(0, &probe, [&, end = end] {
      probed = true;
      EXPECT_TRUE(map_->Shape1()->isVisible() && map_->Shape2()->isVisible());
      EXPECT_TRUE(map_->cursor().shape() == Qt::WaitCursor && window_->cursor().shape() == Qt::ArrowCursor);
      const QPoint bar = map_->Shape1()->geometry().center();
      QTest::mouseClick(map_->windowHandle(), Qt::LeftButton, {}, bar);
      EXPECT_NE(map_->Shape3()->pos(), bar);
      for (QPushButton* b : {map_->Command1(), map_->Command2(), map_->Command4(), map_->Command5()})
        b->click();
      if (end == kClosed) map_->close();
    });
    plot ? map_->PlotSunriseSunset() : map_->ShowDayNight();
    EXPECT_TRUE(probed == (end != kFailed) && !QGuiApplication::overrideCursor() && !watch.busy);
    EXPECT_EQ(std::exchange(watch.messages, {}), message ? QStringList{message} : QStringList{});
    ASSERT_FALSE(map_.isNull());
    // The bar's last width: 182 rows of 180 or of 360 fill 3473 or 1737 of its 3435 twips.
    EXPECT_EQ(map_->Shape2()->width(), end == kDone ? (plot ? 232 : 116) : 1);
    EXPECT_EQ(Shared().gmtTimeText, end == kFailed ? time : "12:00");
    const bool done = end == kDone;
    EXPECT_EQ(std::tuple(Drawn() > 1000, Drawn(0, 360, kWhite) > 10, Drawn(0, 362, kRed) > 100,
                         Drawn(400, 720, kBlue) > 100, Drawn(362, 720, kWhite) + Drawn(362, 720, kRed)),
              std::tuple(done, !plot && done, plot && done, plot && done, 0));
    EXPECT_EQ(map_->HighestLabelIndex(), plot ? 1 : 0);  // the plot's time label only
    if (plot) {
      EXPECT_TRUE(map_->lblGMT(1)->text() == (done ? "GMT: 12:00 PM" : "GMT") &&
                  map_->lblGMT(1)->isVisible() == done);
      EXPECT_EQ(map_->lblGMT(1)->pos(), done ? QPoint(308, 3) : QPoint(0, 3));  // (180 - 26) * 2
      EXPECT_EQ(map_->Shape2()->Colour(), QColor(kRed));
    }
    EXPECT_FALSE(map_->Shape1()->isVisible() || map_->Shape2()->isVisible() ||
                 map_->cursor().shape() != Qt::ArrowCursor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(map_.isNull(), end == kClosed);
  }
}

}  // namespace
}  // namespace zv
