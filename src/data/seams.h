#pragma once
// The outside world as the program sees it, behind small interfaces that
// tests replace: the computer's date and time, and the folder of the data
// files.

#include <QDateTime>
#include <QString>

namespace zv {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime Now() const = 0;
};

// The clock in use: the computer's own unless a test set another.
const Clock& CurrentClock();
// Replaces the clock (nullptr restores the computer's); the caller keeps
// ownership.
void SetClock(const Clock* clock);

// A clock that stays where it is put.
class FixedClock : public Clock {
 public:
  explicit FixedClock(QDateTime at) : at_(std::move(at)) {}
  QDateTime Now() const override { return at_; }
  void Set(QDateTime at) { at_ = std::move(at); }

 private:
  QDateTime at_;
};

// The folder that holds countries.txt, tzone.txt, highlight.txt and Maps/:
// the folder of the executable unless set.
QString DataFolder();
void SetDataFolder(const QString& folder);  // an empty text restores the default
QString DataPath(const QString& fileName);

}  // namespace zv
