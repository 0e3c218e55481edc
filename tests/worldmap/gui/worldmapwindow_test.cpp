// The world map window at device pixel ratio 1 as the user drives it:
// presses on places and beside the map, Find Country, the name labels, the night shade over
// the minutes, and the long commands when they cannot run or are cut short.
#include <QAccessible>

#include "worldmapfixture.inc"

namespace zv {
namespace {

// Where the picture (tools/make_worldmap.js) shows a place, in pixels.
QPointF PicturePoint(double lat, double lon) {
  return {(lon + 180) * 2, ((90 - lat) * 320 / 180) * ((0.8 - 0.0022 * lat) * 1.2)};
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
  // A screen reader presses a label as a link; it finds two windows, and a
  // name on every control it can reach.
  QAccessible::queryAccessibleInterface(map_->MapLabel(1))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(CountryInfo()->EntryNumberBox()->text(), "4");
  for (QWidget* window : {(QWidget*)map_, (QWidget*)CountryInfo()}) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
      EXPECT_TRUE((w->isWindow() || a->role() != QAccessible::Window) &&
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
}

}  // namespace
}  // namespace zv
