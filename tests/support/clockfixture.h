#pragma once
// Fixtures for window tests: the clock window running on a given
// countries.txt, or the country information window alone.

#include <QLabel>
#include <QMenu>
#include <QTest>

#include "app/gui/appwindows.h"
#include "clock/gui/clockgrid.h"
#include "clock/gui/clockwindow.h"
#include "data/sharedstate.h"
#include "support/scriptedprompter.h"
#include "support/testsupport.h"

namespace zv::test {

// A fixed time, a fresh data folder and a scripted prompter; TearDown closes
// every window and puts the clock and the file writer back.
class WindowTest : public ::testing::Test {
 protected:
  explicit WindowTest(QDateTime now) : clock_(std::move(now)) {
    ResetShared();
    SetClock(&clock_);
  }
  void TearDown() override {
    FailWritesAfter(-1);
    EndPrompts();  // nobody answers for changes left in a window
    CloseOtherWindows();
    SetClock(nullptr);
    SetSystemZone(QTimeZone());
  }

  FixedClock clock_;
  DataFolder data_;
  ScriptedPrompter prompts_;
};

class ClockWindowTest : public WindowTest {
 protected:
  using WindowTest::WindowTest;
  // Writes countries.txt with these bytes and a tzone.txt for GMT, then
  // starts the clock window on them (not shown).
  void StartClock(const QByteArray& countries) {
    ResetShared();
    WriteStartFiles(data_, countries);
    window_ = std::make_unique<ClockWindow>();
    window_->StartUp();
  }
  void TearDown() override {
    EndPrompts();
    CloseOtherWindows();
    window_.reset();
    WindowTest::TearDown();
  }
  // A press on the name cell of a row.
  void PressName(int row, Qt::MouseButton button) const {
    QTest::mousePress(window_->Grid(), button, {}, window_->NameRect(row).topLeft() + QPoint(2, 2));
  }
  // Selects a row's entry as the user does, by a right press on its name,
  // and closes the Functions menu that the press opened.
  void Select(int row) const {
    PressName(row, Qt::RightButton);
    window_->EntryMenu()->hide();
  }

  std::unique_ptr<ClockWindow> window_;
};

// The country information window without the clock window: countries.txt
// holds the table.
class InfoWindowTest : public WindowTest {
 protected:
  InfoWindowTest(QDateTime now, const CountryTable& table) : WindowTest(std::move(now)) {
    Shared().entryCount = kEntryCount;
    data_.Write("countries.txt", CountriesBytes(table));
  }
};

}  // namespace zv::test
