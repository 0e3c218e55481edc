#pragma once
// Fixtures for window tests: the clock window running on a given
// countries.txt, or the country information window alone.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>
#include <memory>

#include "clock/gui/clockwindow.h"
#include "data/seams.h"
#include "support/scriptedprompter.h"
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
  // A press on the name cell of a row.
  void PressName(int row, Qt::MouseButton button) const;
  // Selects a row's entry as the user does, by a right press on its name,
  // and closes the Functions menu that the press opened.
  void Select(int row) const;

  FixedClock clock_;
  DataFolder data_;
  ScriptedPrompter prompts_;
  std::unique_ptr<ClockWindow> window_;
};

// For tests of the country information window without the clock window: a
// fixed time, a fresh data folder holding countries.txt with the table, and a
// scripted prompter.
class InfoWindowTest : public ::testing::Test {
 protected:
  InfoWindowTest(QDateTime now, const CountryTable& table);
  // Closes every window and puts the seams back.
  void TearDown() override;

  FixedClock clock_;
  DataFolder data_;
  ScriptedPrompter prompts_;
};

}  // namespace zv::test
