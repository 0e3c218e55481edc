#include "support/clockfixture.h"

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
  SetWriteFailureAfterBytesForTests(-1);
  CloseOtherWindows();
  window_.reset();
  SetClock(nullptr);
  SetSystemZone(QTimeZone());  // unknown, as every test starts
}

}  // namespace zv::test
