// The command line: which arguments start the window and with which data
// folder, which print and end, and the messages and exit status of those it
// refuses.

#include "app/commandline.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace zv {
namespace {

QString Fails(const QString& what) {
  return "zorvane: " + what + ".\nTry 'zorvane --help' for more information.\n";
}

// <dir> is an empty folder, <cwd> the working folder. out: a pattern the
// output matches; folder: the data folder of a window that starts.
TEST(CommandLine, Outcome) {
  const QTemporaryDir dir;
  const auto expand = [&](QString text) {
    return text.replace("<dir>", dir.path()).replace("<cwd>", QDir::currentPath());
  };
  // clang-format off
  const struct { std::vector<const char*> args; const char* env; int status; QString err;
                 const char *out = "^$", *folder = ""; } rows[] = {
      {{}, "", 0, {}}, {{}, "<dir>", 0, {}, "^$", "<dir>"}, {{"--data-dir", "<dir>"}, "/no", 0, {}, "^$", "<dir>"},
      {{"--data-dir", "."}, "", 0, {}, "^$", "<cwd>"},  // made absolute
      {{"-platform", "offscreen", "-reverse"}, "", 0, {}},  // Qt's own options pass
      {{"--bogus"}, "", 2, Fails("Unknown option 'bogus'")},
      {{"--data-dir"}, "", 2, Fails("Missing value after '--data-dir'")},
      {{}, "/no", 2, Fails("the data folder \"/no\" does not exist")},
      {{"extra"}, "", 2, Fails("unexpected argument 'extra'")},
      {{"--update-dst-dates", "2027", "2028"}, "<dir>", 2, Fails("unexpected argument '2028'")},
      {{"--help"}, "", 0, {}, "^Usage: \\S+ \\[options\\] \\[YEAR\\]\\n.*\\n  --data-dir <folder>  Keep.*"
           "\\n  --update-dst-dates   Update.*\\n  \\[YEAR\\] +for --update-dst-dates\\n$"},
      {{"--help-all"}, "", 0, {}, "-platform <name>"},
      {{"--version"}, "", 0, {}, "^zorvane \\d+\\.\\d+(\\.\\d+)?\\n$"}};
  // clang-format on
  for (const auto& r : rows) {
    QStringList args{"zorvane"};
    for (const char* a : r.args) args << expand(a);
    SCOPED_TRACE(args.join(' ').toStdString());
    const CommandLineOutcome got = ReadCommandLine(args, expand(r.env));
    EXPECT_EQ(std::tuple(got.startWindow, got.exitStatus, got.err),
              std::tuple(r.status == 0 && r.out == QString("^$"), r.status, expand(r.err)));
    EXPECT_TRUE(
        QRegularExpression(r.out, QRegularExpression::DotMatchesEverythingOption).match(got.out).hasMatch())
        << got.out.toStdString();
    EXPECT_EQ(got.startWindow ? got.dataFolder : "", expand(r.folder));
  }
}

}  // namespace
}  // namespace zv
