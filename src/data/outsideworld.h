#pragma once
// The outside world as the program sees it, behind small interfaces that
// tests replace: the computer's date and time, its time zone, the folder of
// the data files, and the writing of their bytes.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <functional>
#include <optional>

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

// Puts the bytes of a saved data file into the open file: the system's write
// unless a test set one that fails part way, as a full disk does.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  // Writes all of bytes to fd; 0 on success, otherwise the errno of the
  // first failure.
  virtual int WriteAll(int fd, const QByteArray& bytes) const = 0;
};

const FileWriter& CurrentFileWriter();
// Replaces the writer (nullptr restores the system's); the caller keeps
// ownership.
void SetFileWriter(const FileWriter* writer);

// The computer's time zone: the system's unless a test set one. An invalid
// zone stands for a computer whose zone is not known.
QTimeZone SystemZone();
// Replaces the zone; nothing restores the system's.
void SetSystemZone(std::optional<QTimeZone> zone);

// The tz database's zone for an id (Europe/London): the computer's database
// unless a test set a lookup. An invalid zone stands for one the computer's
// database lacks.
using ZoneLookup = std::function<QTimeZone(const QByteArray& id)>;
QTimeZone LookupZone(const QByteArray& id);
// Replaces the lookup; an empty one restores the computer's.
void SetZoneLookup(ZoneLookup lookup);

// The data files: countries.txt, tzone.txt, highlight.txt and Maps/. A folder
// set here holds them all; without one, the rule of data/datafolders.h picks
// the executable's folder or, for an installed program, the user's data
// folder and the installation's.
void SetDataFolder(const QString& folder);  // an empty text restores the rule
// The folder where the user's files are written.
QString DataFolder();
// The path to read a data file or folder from.
QString DataPath(const QString& fileName);
// The path to write a data file to; its folder is created when missing.
QString WritableDataPath(const QString& fileName);

}  // namespace zv
