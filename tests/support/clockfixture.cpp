#include "support/clockfixture.h"

#include <QLabel>
#include <QMenu>
#include <QTest>

#include "app/gui/appwindows.h"
#include "data/module1.h"
#include "data/savefile.h"

namespace zv::test {

void ClockWindowTest::StartClock(const QByteArray& countries) {
  ResetShared();
  SetClock(&clock_);
  WriteStartFiles(data_, countries);
  window_ = std::make_unique<ClockWindow>();
  window_->StartUp();
}

void ClockWindowTest::TearDown() {
  FailWritesAfter(-1);
  CloseOtherWindows();
  window_.reset();
  SetClock(nullptr);
  SetSystemZone(QTimeZone());  // unknown, as every test starts
}

void ClockWindowTest::PressName(int row, Qt::MouseButton button) const {
  QTest::mousePress(window_->NameCell(row), button, {}, QPoint(2, 2));
}

void ClockWindowTest::Select(int row) const {
  PressName(row, Qt::RightButton);
  window_->mnuFunc()->hide();
}

InfoWindowTest::InfoWindowTest(QDateTime now, const CountryTable& table) : clock_(std::move(now)) {
  ResetShared();
  Shared().entryCount = kEntryCount;
  SetClock(&clock_);
  data_.Write(QStringLiteral("countries.txt"), CountriesBytes(table));
}

void InfoWindowTest::TearDown() {
  FailWritesAfter(-1);
  CloseOtherWindows();
  SetClock(nullptr);
}

}  // namespace zv::test
