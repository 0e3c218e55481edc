// The command line: which arguments start the window and with which data
// folder, which print and end, and the messages and exit status of those it
// refuses.

#include "app/commandline.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

namespace zv {
namespace {

QString Fails(const QString& what) {
  return "2 zorvane: " + what + ".\nTry 'zorvane --help' for more information.\n";
}

// <dir> is an empty folder. A window that starts shows as "window" and its
// data folder; an end as the status, then what goes to standard error and
// output.
TEST(CommandLine, Outcome) {
  const QTemporaryDir dir;
  // clang-format off
  const struct { QString args, env, want; } rows[] = {
      {"", "", "window "}, {"", "<dir>", "window <dir>"}, {"--data-dir <dir>", "/no", "window <dir>"},
      {"-platform offscreen -reverse", "", "window "},  // Qt's own options pass
      {"--bogus", "", Fails("Unknown option 'bogus'")},
      {"--data-dir", "", Fails("Missing value after '--data-dir'")},
      {"", "/no", Fails("the data folder \"/no\" does not exist")},
      {"--update-dst-dates 2027 2028", "<dir>", Fails("unexpected argument '2028'")},
      {"--help", "", "0 ^(?=([^\\n]{0,79}\\n)+$)Usage: zorvane \\[--data-dir <folder>\\]\\n +zorvane \\[--data-dir "
                     "<folder>\\] --update-dst-dates \\[YEAR\\]\\n[^[]*  --data-dir <folder> +Keep[^[]*$"},
      {"--version", "", "0 ^zorvane \\d+\\.\\d+(\\.\\d+)?\\n$"}};
  // clang-format on
  for (const auto& r : rows) {
    const QStringList args =
        QString("zorvane " + r.args).replace("<dir>", dir.path()).split(' ', Qt::SkipEmptyParts);
    const CommandLineOutcome got = ReadCommandLine(args, QString(r.env).replace("<dir>", dir.path()));
    const QString want = QString(r.want).replace("<dir>", dir.path());
    if (got.out.isEmpty())
      EXPECT_EQ(
          got.startWindow ? "window " + got.dataFolder : QString::number(got.exitStatus) + " " + got.err,
          want);
    else
      EXPECT_TRUE(
          got.err.isEmpty() && !got.startWindow && got.exitStatus == 0 &&
          got.out.contains(QRegularExpression(want.mid(2), QRegularExpression::DotMatchesEverythingOption)));
  }
}

}  // namespace
}  // namespace zv
