// The command line: which arguments start the window (and with which data
// folder), which print and end, and the messages and exit status of the
// arguments it refuses.

#include "app/commandline.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "data/seams.h"

namespace zv {
namespace {

constexpr char kExisting[] = "<existing>";  // an empty folder that exists
constexpr char kMissing[] = "/no/such/zorvane/folder";

QString Fails(const QString& what) {
  return "zorvane: " + what + ".\nTry 'zorvane --help' for more information.\n";
}

TEST(CommandLine, Outcome) {
  const QTemporaryDir dir;
  const auto expand = [&](const char* text) {
    return QString(text) == kExisting ? dir.path() : QString(text);
  };
  const QString missing = Fails("the data folder \"/no/such/zorvane/folder\" does not exist");
  // err: empty when none; out: a pattern the output matches, empty for none;
  // dataFolder: that of a window that starts.
  // clang-format off
  const struct { std::vector<const char*> args; const char* environment; int status; QString err; const char* out; const char* dataFolder; } rows[] = {
      {{}, "", 0, {}, "", ""}, {{}, kExisting, 0, {}, "", kExisting}, {{"--data-dir", kExisting}, "", 0, {}, "", kExisting},
      {{"--data-dir", kExisting}, kMissing, 0, {}, "", kExisting},  // the option wins
      {{"-platform", "offscreen", "-reverse"}, "", 0, {}, "", ""},  // Qt's own options pass
      {{"--bogus"}, "", 2, Fails("Unknown option 'bogus'"), "", ""}, {{"-x"}, "", 2, Fails("Unknown option 'x'"), "", ""},
      {{"--data-dir"}, "", 2, Fails("Missing value after '--data-dir'"), "", ""},
      {{"--data-dir", kMissing}, "", 2, missing, "", ""}, {{}, kMissing, 2, missing, "", ""},
      {{"extra"}, "", 2, Fails("unexpected argument 'extra'"), "", ""},
      {{"--update-dst-dates", "2027", "2028"}, kExisting, 2, Fails("unexpected argument '2028'"), "", ""},
      {{"--update-dst-dates", "2027"}, kExisting, 1, "zorvane: The country file " + dir.path() + "/countries.txt does not exist, so no daylight saving dates were updated.\n", "", ""},
      {{"--help"}, "", 0, {}, "^Usage: \\S+ \\[options\\] \\[YEAR\\]\\n.*\\n  --data-dir <folder>  Keep all data files", ""},
      {{"-h"}, "", 0, {}, "^Usage: .*--version", ""}, {{"--help-all"}, "", 0, {}, "-platform <name>", ""},
      {{"--version"}, "", 0, {}, "^zorvane \\d+\\.\\d+(\\.\\d+)?\\n$", ""}, {{"-v"}, "", 0, {}, "^zorvane \\d+\\.\\d+", ""}};
  // clang-format on
  for (const auto& r : rows) {
    QStringList args{"zorvane"};
    for (const char* a : r.args) args << expand(a);
    SCOPED_TRACE(args.join(u' ').toStdString());
    const CommandLineOutcome got = ReadCommandLine(args, expand(r.environment));
    EXPECT_EQ(got.startWindow, r.status == 0 && !*r.out);
    EXPECT_EQ(got.exitStatus, r.status);
    EXPECT_EQ(got.err.toStdString(), r.err.toStdString());
    const QRegularExpression out(r.out, QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(*r.out ? out.match(got.out).hasMatch() : got.out.isEmpty()) << got.out.toStdString();
    EXPECT_TRUE(!got.startWindow || got.dataFolder == expand(r.dataFolder)) << got.dataFolder.toStdString();
  }
  SetDataFolder(QString());
  // A relative data folder is made absolute.
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QFileInfo(dir.path()).path()));
  const CommandLineOutcome got =
      ReadCommandLine({"zorvane", "--data-dir", QFileInfo(dir.path()).fileName()}, {});
  QDir::setCurrent(cwd);
  EXPECT_TRUE(got.startWindow);
  EXPECT_EQ(got.dataFolder, dir.path());
}

}  // namespace
}  // namespace zv
