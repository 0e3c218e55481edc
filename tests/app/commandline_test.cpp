// The command line: which arguments start the window (and with which data
// folder), which print and end, and the messages and exit status of the
// arguments it refuses.

#include "app/commandline.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "data/seams.h"

namespace zv {
namespace {

constexpr char kDir[] = "<dir>";  // an empty folder that exists
constexpr char kMissing[] = "/no/such/zorvane/folder";

QString Fails(const QString& what) {
  return "zorvane: " + what + ".\nTry 'zorvane --help' for more information.\n";
}

TEST(CommandLine, Outcome) {
  const QTemporaryDir dir;
  const auto expand = [&](const char* text) { return QString(text) == kDir ? dir.path() : QString(text); };
  // err: empty when none; out: a pattern the output matches, empty for none;
  // folder: the data folder of a window that starts.
  // clang-format off
  const struct { std::vector<const char*> args; const char* env; int status; QString err;
                 const char *out, *folder; } rows[] = {
      {{}, "", 0, {}, "", ""}, {{}, kDir, 0, {}, "", kDir}, {{"--data-dir", kDir}, kMissing, 0, {}, "", kDir},
      {{"-platform", "offscreen", "-reverse"}, "", 0, {}, "", ""},  // Qt's own options pass
      {{"--bogus"}, "", 2, Fails("Unknown option 'bogus'"), "", ""},
      {{"--data-dir"}, "", 2, Fails("Missing value after '--data-dir'"), "", ""},
      {{}, kMissing, 2, Fails("the data folder \"/no/such/zorvane/folder\" does not exist"), "", ""},
      {{"extra"}, "", 2, Fails("unexpected argument 'extra'"), "", ""},
      {{"--update-dst-dates", "2027", "2028"}, kDir, 2, Fails("unexpected argument '2028'"), "", ""},
      {{"--update-dst-dates", "2027"}, kDir, 1, "zorvane: The country file " + dir.path() +
           "/countries.txt does not exist, so no daylight saving dates were updated.\n", "", ""},
      {{"--help"}, "", 0, {}, "^Usage: \\S+ \\[options\\] \\[YEAR\\]\\n.*\\n  --data-dir <folder>  Keep", ""},
      {{"--help-all"}, "", 0, {}, "-platform <name>", ""},
      {{"--version"}, "", 0, {}, "^zorvane \\d+\\.\\d+(\\.\\d+)?\\n$", ""}};
  // clang-format on
  for (const auto& r : rows) {
    QStringList args{"zorvane"};
    for (const char* a : r.args) args << expand(a);
    SCOPED_TRACE(args.join(u' ').toStdString());
    const CommandLineOutcome got = ReadCommandLine(args, expand(r.env));
    EXPECT_EQ(std::tuple(got.startWindow, got.exitStatus, got.err),
              std::tuple(r.status == 0 && !*r.out, r.status, r.err));
    const QRegularExpression out(r.out, QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(*r.out ? out.match(got.out).hasMatch() : got.out.isEmpty()) << got.out.toStdString();
    EXPECT_TRUE(!got.startWindow || got.dataFolder == expand(r.folder)) << got.dataFolder.toStdString();
  }
  SetDataFolder(QString());
  // A relative data folder is made absolute.
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path() + "/.."));
  const CommandLineOutcome got = ReadCommandLine({"zorvane", "--data-dir", QDir(dir.path()).dirName()}, {});
  QDir::setCurrent(cwd);
  EXPECT_EQ(got.dataFolder, dir.path());
}

}  // namespace
}  // namespace zv
