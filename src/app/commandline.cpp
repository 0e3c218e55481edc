#include "app/commandline.h"

#include <sys/stat.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <memory>

#include "app/version.h"
#include "data/bytenames.h"
#include "data/dstupdate.h"
#include "data/outsideworld.h"

namespace zv {

namespace {

// An option that does its work and ends the program, without a window. To add
// one: a row in ExitCommands(); `arguments` names the positional arguments it
// takes, for the help text's synopsis ("" for none).
struct ExitCommand {
  QCommandLineOption option;
  QString arguments;
  std::function<int(const QCommandLineParser&, CommandLineOutcome&)> run;
};

QString UsageError(const QString& what);

std::vector<ExitCommand> ExitCommands() {
  std::vector<ExitCommand> commands;
  commands.push_back(
      {QCommandLineOption(
           QStringLiteral("update-dst-dates"),
           QStringLiteral("Update the daylight saving columns of countries.txt for YEAR (1900 to "
                          "9999, this year when omitted) from this computer's time-zone database, print "
                          "a line per changed entry and exit. Exit status 0 when done, 1 when the file "
                          "was missing, read only in part or could not be written (it is then untouched), "
                          "2 for a bad YEAR.")),
       QStringLiteral("[YEAR]"), [](const QCommandLineParser& parser, CommandLineOutcome& outcome) {
         const QStringList years = parser.positionalArguments();
         if (years.size() > 1) {
           outcome.err = UsageError(QStringLiteral("unexpected argument '%1'.").arg(years.at(1)));
           return kUsageErrorStatus;
         }
         QTextStream out(&outcome.out);
         QTextStream err(&outcome.err);
         return RunUpdateDstDates(years.value(0), out, err);
       }});
  return commands;
}

// Qt's own window options, taken by the window's application object later;
// accepted here so that they are not unknown.
void AddToolkitOptions(QCommandLineParser& parser) {
  for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
                           "stylesheet", "qwindowgeometry", "qwindowtitle", "qwindowicon", "session"}) {
    QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    o.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(o);
  }
  for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
    QCommandLineOption o(QString::fromLatin1(name));
    o.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(o);
  }
}

// The forms the program is called in, in place of Qt's usage line, which would
// show a command's arguments as if every form took them.
QString Synopsis(const std::vector<ExitCommand>& commands) {
  QString text = QStringLiteral("Usage: zorvane [--data-dir <folder>]\n");
  for (const ExitCommand& c : commands)
    text += QStringLiteral("       zorvane [--data-dir <folder>] --%1 %2\n")
                .arg(c.option.names().constFirst(), c.arguments)
                .replace(QStringLiteral(" \n"), QStringLiteral("\n"));
  return text + QStringLiteral("       zorvane --help | --version\n");
}

QString UsageError(const QString& what) {
  return QStringLiteral("zorvane: %1\nTry 'zorvane --help' for more information.\n").arg(what);
}

}  // namespace

CommandLineOutcome ReadCommandLine(const QStringList& arguments, const QString& environmentDataFolder) {
  CommandLineOutcome outcome;
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("A world clock: the local time of every country and time zone, a country\n"
                     "information window and a world map with sunrise and sunset lines."));
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption dataDir(
      QStringLiteral("data-dir"),
      QStringLiteral(
          "Keep all data files (countries.txt, tzone.txt, highlight.txt, Maps/) in <folder>, instead "
          "of beside the program or in the user's data folder. Also set by ZORVANE_DATA_DIR."),
      QStringLiteral("folder"));
  parser.addOption(dataDir);
  const std::vector<ExitCommand> commands = ExitCommands();
  for (const ExitCommand& c : commands) parser.addOption(c.option);
  AddToolkitOptions(parser);

  if (!parser.parse(arguments)) {
    outcome.startWindow = false;
    outcome.exitStatus = kUsageErrorStatus;
    outcome.err = UsageError(parser.errorText());
    return outcome;
  }
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    outcome.startWindow = false;
    // Qt's help text after its usage line.
    const QString qtHelp = parser.helpText();
    outcome.out = Synopsis(commands) + qtHelp.mid(qtHelp.indexOf(u'\n') + 1);
    if (parser.isSet(QStringLiteral("help-all")))
      outcome.out += QStringLiteral(
          "\nQt's window options are taken as well: -platform <name>, -display <display>,\n"
          "-style <style>, -stylesheet <file>, -qwindowgeometry <geometry>, -reverse and\n"
          "others (see the Qt documentation).\n");
    return outcome;
  }
  if (parser.isSet(version)) {
    outcome.startWindow = false;
    outcome.out = QStringLiteral("zorvane %1\n").arg(QString::fromLatin1(ZORVANE_VERSION));
    return outcome;
  }
  // The folder's name as its bytes (see TextOfBytes), which need not be UTF-8.
  const QByteArray folder =
      BytesOfText(parser.isSet(dataDir) ? parser.value(dataDir) : environmentDataFolder);
  struct stat st {};
  if (!folder.isEmpty() && (::stat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode))) {
    outcome.startWindow = false;
    outcome.exitStatus = kUsageErrorStatus;
    outcome.err =
        UsageError(QCoreApplication::translate("CommandLine", "the data folder \"%1\" does not exist.")
                       .arg(ShownBytes(folder)));
    return outcome;
  }
  // Later reads and writes do not depend on the working folder.
  if (!folder.isEmpty()) outcome.dataFolder = QFileInfo(FolderPathOfBytes(folder)).absoluteFilePath();
  const ExitCommand* chosen = nullptr;
  for (const ExitCommand& c : commands)
    if (parser.isSet(c.option)) chosen = &c;
  if (!chosen && !parser.positionalArguments().isEmpty()) {
    outcome.startWindow = false;
    outcome.exitStatus = kUsageErrorStatus;
    outcome.err =
        UsageError(QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    return outcome;
  }
  if (chosen) {
    SetDataFolder(outcome.dataFolder);
    outcome.startWindow = false;
    outcome.exitStatus = chosen->run(parser, outcome);
  }
  return outcome;
}

std::optional<int> HandleCommandLine(int argc, char** argv) {
  int coreArgc = argc;
  const auto core = std::make_unique<QCoreApplication>(coreArgc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zorvane"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(ZORVANE_VERSION));
  // Every byte of the arguments and of the variable is kept: a folder's name
  // need not be UTF-8.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << TextOfBytes(argv[i]);
  const CommandLineOutcome outcome = ReadCommandLine(arguments, TextOfBytes(qgetenv("ZORVANE_DATA_DIR")));
  std::fputs(outcome.out.toLocal8Bit().constData(), stdout);
  std::fputs(outcome.err.toLocal8Bit().constData(), stderr);
  std::fflush(stdout);
  if (!outcome.startWindow) return outcome.exitStatus;
  SetDataFolder(outcome.dataFolder);
  return std::nullopt;
}

}  // namespace zv
