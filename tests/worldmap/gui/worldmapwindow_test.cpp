// The world map window at device pixel ratio 1 as the user drives it:
// presses on places and beside the map, Find Country, the name labels, the night shade over
// the minutes, and the long commands when they cannot run or are cut short.
#include <QAccessible>
#include <QPainter>
#include <QRandomGenerator>

#include "worldmapfixture.inc"

namespace zv {
namespace {

// Where the picture (tools/make_worldmap.js) shows a place, in pixels.
QPointF PicturePoint(double lat, double lon) {
  return {(lon + 180) * 2, ((90 - lat) * 320 / 180) * ((0.8 - 0.0022 * lat) * 1.2)};
}

// What a repaint takes for a stroke holds every pixel the painter draws for
// it, at the densities of common screens, between any points in every
// direction; at one pixel a pixel it is at most a pixel wider on any side. The window draws a line with a pen
// two pixels wide with square ends, and fills a vertical one, or a dot, as the rectangle that pen would
// cover.
TEST(StrokeReachTest, HoldsWhatThePainterDraws) {
  QRandomGenerator random(2027);
  for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
    QImage drawn(QSize(100, 100) * ratio, QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(ratio);
    for (int i = 0; i < 2000; ++i) {
      auto point = [&] { return QPointF(20 + random.bounded(60.0), 20 + random.bounded(60.0)); };
      const QPointF from = point();
      const QPointF to = i % 10 == 0 ? from : i % 10 == 1 ? QPointF(from.x(), point().y()) : point();
      drawn.fill(Qt::transparent);
      QPainter p(&drawn);
      if (from.x() == to.x()) {
        p.fillRect(QRectF(QPointF(from.x() - 1, std::min(from.y(), to.y()) - 1),
                          QPointF(from.x() + 1, std::max(from.y(), to.y()) + 1)),
                   Qt::black);
      } else {
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(from, to);
      }
      p.end();
      QRect touched;  // logical pixels
      for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
          if (qAlpha(drawn.pixel(x, y)) != 0)
            touched |= QRectF(x / ratio, y / ratio, 1 / ratio, 1 / ratio).toAlignedRect();
      const QRect reach = StrokeReach(from, to, ratio);
      ASSERT_TRUE(reach.contains(touched)) << ratio << " " << i;
      if (ratio == 1) {
        ASSERT_TRUE(touched.adjusted(-1, -1, 1, 1).contains(reach)) << i;
      }
    }
  }
}

TEST_F(WorldMapTest, AsTheUserDrivesIt) {
  // A press on the pixel where the picture shows a place reports it to within
  // a pixel.
  // So does Enter with the keyboard's cross there, which starts where the
  // last press was and moves a pixel, or ten with Shift, for each arrow.
  using enum WorldMapWindow::InfoLabel;
  ASSERT_TRUE(QTest::qWaitForWindowActive(map_));
  auto key = [](Qt::Key k, Qt::KeyboardModifiers m = {}) {
    QTest::keyClick(QApplication::focusWidget(), k, m);
  };
  auto arrows = [&](int d, Qt::Key back, Qt::Key on) {
    for (; std::abs(d) >= 10; d -= d > 0 ? 10 : -10) key(d > 0 ? on : back, Qt::ShiftModifier);
    for (; d != 0; d -= d > 0 ? 1 : -1) key(d > 0 ? on : back);
  };
  QPoint cross;
  for (bool keyboard : {false, true}) {
    for (const auto& [name, lat, lon] : kPlaces) {
      const QPointF at = PicturePoint(lat, lon);
      if (keyboard) {
        arrows(int(at.x()) - cross.x(), Qt::Key_Left, Qt::Key_Right);
        arrows(int(at.y()) - cross.y(), Qt::Key_Up, Qt::Key_Down);
        key(Qt::Key_Enter);
      } else {
        QTest::mouseClick(map_->windowHandle(), Qt::LeftButton, {}, QPoint(at.x(), at.y()));
      }
      cross = QPoint(at.x(), at.y());
      const QPointF read =
          PicturePoint(map_->InfoLabelAt(kLabelLatitude)->text().section(' ', -1).toDouble(),
                       map_->InfoLabelAt(kLabelLongitude)->text().section(' ', -1).toDouble());
      EXPECT_LE(std::max(std::abs(read.x() - at.x()), std::abs(read.y() - at.y())), 1.0) << name << keyboard;
    }
  }
  // The legend is no part of the map.
  QTest::mouseClick(map_->windowHandle(), Qt::LeftButton, {}, QPoint(600, 310));
  EXPECT_EQ(map_->InfoLabelAt(kLabelLongitude)->text(), "Longitude 80.25");
  // Find Country marks each name once; a press on a name label opens it.
  const std::tuple<const char*, const char*> answers[] = {
      {"xyz", "XYZ* not found"}, {"sydney", "i:1 country found."}, {"ruri", "i:2 countries found."}};
  for (const auto& [answer, message] : answers) {
    map_->ClearMap();
    prompts_.AnswerInput(QString::fromLatin1(answer));
    map_->FindCountry();
    EXPECT_EQ(std::exchange(prompts_.messages, {}), QStringList{message});
  }
  // Tab goes from the map to its labels; Enter opens one as a press does.
  map_->MapArea()->setFocus();
  key(Qt::Key_Tab);
  key(Qt::Key_Tab);
  key(Qt::Key_Return);
  EXPECT_EQ(CountryInfo()->EntryNumberBox()->text(), "6");
  // A screen reader presses a label as a link; it finds two windows (AT-SPI
  // reads a border as one too), and a name on every control it can reach.
  QAccessible::queryAccessibleInterface(map_->MapLabel(1))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(CountryInfo()->EntryNumberBox()->text(), "4");
  for (QWidget* window : {(QWidget*)map_, (QWidget*)CountryInfo()}) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
      EXPECT_TRUE((w->isWindow() || (a->role() != QAccessible::Window && a->role() != QAccessible::Border)) &&
                  (w->focusPolicy() == Qt::NoFocus || !a->text(QAccessible::Name).isEmpty()))
          << w->objectName().toStdString();
    }
  }
  QTest::mouseClick(map_->MapLabel(2), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(CountryInfo()->EntryNumberBox()->text(), "6");
  // The night shade and the sun times shown follow the clock each minute.
  map_->NightBox()->setChecked(true);
  const QImage before = map_->grab().toImage();
  const QString sunrise = map_->InfoLabelAt(kLabelSunrise)->text();
  clock_.Set(clock_.Now().addDays(30));
  QTimer* minute = map_->findChild<QTimer*>();
  ASSERT_EQ(minute->interval(), 60000);
  emit minute->timeout({});
  EXPECT_TRUE(map_->grab().toImage() != before && map_->InfoLabelAt(kLabelSunrise)->text() != sunrise);
  // A GMT time that is no time of day: each command says so. A window closed
  // while a command runs stops it.
  Shared().gmtTimeText = QStringLiteral("soon");
  map_->GmtBox()->setText(QStringLiteral("25:99"));
  map_->ShowDayNight();
  map_->PlotSunriseSunset();
  EXPECT_EQ(
      prompts_.messages,
      QStringList({"The GMT time \"soon\" is not a time of day, so the day and night lines cannot be shown.",
                   "The GMT box holds \"25:99\", which is not a time of day. Type a time such as 3:45 PM or "
                   "15:45."}));
  map_->GmtBox()->setText(QStringLiteral("12:00"));
  QTimer::singleShot(0, map_, [this] { map_->close(); });
  map_->PlotSunriseSunset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(map_.isNull());
  // A clock of 24 hours: the GMT box opens with the time in that form.
  window_->SetHourClock(HourClock::kTwentyFour);
  EXPECT_EQ(WorldMap()->GmtBox()->text(), "6:00");
}

}  // namespace
}  // namespace zv
