#include "app/commandline.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace zv {
namespace {

// A folder that exists for the whole test program.
const QString& Folder() {
  static QTemporaryDir dir;
  static const QString path = dir.path();
  return path;
}

constexpr char kExisting[] = "<existing>";
constexpr char kMissing[] = "/no/such/zorvane/folder";

struct LineCase {
  std::vector<const char*> args;  // after the program's name; kExisting stands for a real folder
  const char* environment;        // ZORVANE_DATA_DIR, "" when unset
  bool startWindow;
  int status;
  const char* err;
  const char* dataFolder;
};

QString Expand(const char* text) {
  return QString::fromLatin1(text) == QLatin1String(kExisting) ? Folder() : QString::fromLatin1(text);
}

class CommandLineRows : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineRows, Outcome) {
  const LineCase& c = GetParam();
  QStringList args{QStringLiteral("zorvane")};
  for (const char* a : c.args) args << Expand(a);
  const CommandLineOutcome got = ReadCommandLine(args, Expand(c.environment));
  EXPECT_EQ(got.startWindow, c.startWindow);
  EXPECT_EQ(got.exitStatus, c.status);
  EXPECT_EQ(got.err, QString::fromLatin1(c.err));
  EXPECT_EQ(got.out, QString());
  if (c.startWindow) {
    EXPECT_EQ(got.dataFolder, Expand(c.dataFolder));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineRows,
    ::testing::Values(
        LineCase{{}, "", true, 0, "", ""}, LineCase{{}, kExisting, true, 0, "", kExisting},
        LineCase{{"--data-dir", kExisting}, "", true, 0, "", kExisting},
        LineCase{{"--data-dir", kExisting}, kMissing, true, 0, "", kExisting},  // the option wins
        LineCase{{"-platform", "offscreen", "-reverse"}, "", true, 0, "", ""},  // Qt's own options pass
        LineCase{{"--bogus"},
                 "",
                 false,
                 2,
                 "zorvane: Unknown option 'bogus'.\nTry 'zorvane --help' for more information.\n",
                 ""},
        LineCase{{"-x"},
                 "",
                 false,
                 2,
                 "zorvane: Unknown option 'x'.\nTry 'zorvane --help' for more information.\n",
                 ""},
        LineCase{{"--data-dir"},
                 "",
                 false,
                 2,
                 "zorvane: Missing value after '--data-dir'.\nTry 'zorvane --help' for more information.\n",
                 ""},
        LineCase{{"--data-dir", kMissing},
                 "",
                 false,
                 2,
                 "zorvane: the data folder \"/no/such/zorvane/folder\" does not exist.\nTry 'zorvane --help' "
                 "for more "
                 "information.\n",
                 ""},
        LineCase{{},
                 kMissing,
                 false,
                 2,
                 "zorvane: the data folder \"/no/such/zorvane/folder\" does not exist.\nTry 'zorvane --help' "
                 "for more "
                 "information.\n",
                 ""},
        LineCase{{"extra"},
                 "",
                 false,
                 2,
                 "zorvane: unexpected argument 'extra'.\nTry 'zorvane --help' for more information.\n",
                 ""}));

TEST(CommandLine, RelativeDataFolderIsMadeAbsolute) {
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QFileInfo(Folder()).path()));
  const CommandLineOutcome got = ReadCommandLine(
      {QStringLiteral("zorvane"), QStringLiteral("--data-dir"), QFileInfo(Folder()).fileName()}, QString());
  QDir::setCurrent(cwd);
  EXPECT_TRUE(got.startWindow);
  EXPECT_EQ(got.dataFolder, Folder());
}

TEST(CommandLine, HelpAndVersionPrintAndEnd) {
  struct Row {
    const char* arg;
    const char* pattern;
  };
  for (const Row& r :
       {Row{"--help", "^Usage: \\S+ \\[options\\] \\[YEAR\\]\\n.*\\n  --data-dir <folder>  Keep all data files"},
        Row{"-h", "^Usage: .*--version"}, Row{"--help-all", "-platform <name>"},
        Row{"--version", "^zorvane \\d+\\.\\d+(\\.\\d+)?\\n$"}, Row{"-v", "^zorvane \\d+\\.\\d+"}}) {
    const CommandLineOutcome got =
        ReadCommandLine({QStringLiteral("zorvane"), QString::fromLatin1(r.arg)}, QString());
    EXPECT_FALSE(got.startWindow) << r.arg;
    EXPECT_EQ(got.exitStatus, 0) << r.arg;
    EXPECT_TRUE(got.err.isEmpty()) << r.arg;
    const QRegularExpression re(QString::fromLatin1(r.pattern),
                                QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(re.match(got.out).hasMatch()) << r.arg << ": " << got.out.toStdString();
  }
}

}  // namespace
}  // namespace zv
