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

QString Expand(const char* text) {
  return QString::fromLatin1(text) == QLatin1String(kExisting) ? Folder() : QString::fromLatin1(text);
}

QString Fails(const QString& what) {
  return "zorvane: " + what + ".\nTry 'zorvane --help' for more information.\n";
}

TEST(CommandLine, Outcome) {
  const QString missing = Fails("the data folder \"/no/such/zorvane/folder\" does not exist");
  // clang-format off
  const struct {
    std::vector<const char*> args;  // after the program's name; kExisting stands for a real folder
    const char* environment;        // ZORVANE_DATA_DIR, "" when unset
    QString err;                    // empty: the window starts
    const char* dataFolder;
  } rows[] = {
      {{}, "", {}, ""}, {{}, kExisting, {}, kExisting}, {{"--data-dir", kExisting}, "", {}, kExisting},
      {{"--data-dir", kExisting}, kMissing, {}, kExisting},  // the option wins
      {{"-platform", "offscreen", "-reverse"}, "", {}, ""},  // Qt's own options pass
      {{"--bogus"}, "", Fails("Unknown option 'bogus'"), ""}, {{"-x"}, "", Fails("Unknown option 'x'"), ""},
      {{"--data-dir"}, "", Fails("Missing value after '--data-dir'"), ""},
      {{"--data-dir", kMissing}, "", missing, ""}, {{}, kMissing, missing, ""},
      {{"extra"}, "", Fails("unexpected argument 'extra'"), ""}};
  // clang-format on
  for (const auto& r : rows) {
    QStringList args{QStringLiteral("zorvane")};
    for (const char* a : r.args) args << Expand(a);
    SCOPED_TRACE(args.join(u' ').toStdString());
    const CommandLineOutcome got = ReadCommandLine(args, Expand(r.environment));
    EXPECT_EQ(got.startWindow, r.err.isEmpty());
    EXPECT_EQ(got.exitStatus, r.err.isEmpty() ? 0 : 2);
    EXPECT_EQ(got.err, r.err);
    EXPECT_EQ(got.out, QString());
    if (got.startWindow) EXPECT_EQ(got.dataFolder, Expand(r.dataFolder));
  }
}

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
       {Row{"--help",
            "^Usage: \\S+ \\[options\\] \\[YEAR\\]\\n.*\\n  --data-dir <folder>  Keep all data files"},
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
