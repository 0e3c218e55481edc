#pragma once
// A fixture for window tests that need the clock window running: a fixed
// time, a fresh data folder, a scripted prompter, and the clock window
// started on a given countries.txt.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>
#include <memory>

#include "clock/gui/clockwindow.h"
#include "data/seams.h"
#include "support/testsupport.h"

namespace zv::test {

class ClockWindowTest : public ::testing::Test {
 protected:
  explicit ClockWindowTest(QDateTime now) : clock_(std::move(now)) {}

  // Writes countries.txt with these bytes and a tzone.txt for GMT, then
  // starts the clock window on them (not shown).
  void StartClock(const QByteArray& countries);
  // Closes every window and puts the seams back.
  void TearDown() override;

  FixedClock clock_;
  DataFolder data_;
  ScriptedPrompter prompts_;
  std::unique_ptr<ClockWindow> window_;
};

}  // namespace zv::test
