#pragma once
// Helpers shared by the tests: a scripted prompter, a fresh data folder, a
// sample country table, and file reading and writing.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <optional>

#include "app/gui/prompter.h"
#include "data/countrytable.h"
#include "data/seams.h"

namespace zv::test {

// Answers message boxes and input boxes from a script and records what was
// asked. A box that the script does not answer fails the test.
class ScriptedPrompter : public Prompter {
 public:
  ScriptedPrompter();
  ~ScriptedPrompter() override;

  void Message(QWidget* parent, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& text) override;
  std::optional<QString> Input(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& offered) override;

  // Scripted answers, taken in order.
  void AnswerYes(bool yes) { yesNo.push_back(yes); }
  void AnswerInput(std::optional<QString> answer) { inputs.push_back(std::move(answer)); }

  std::deque<bool> yesNo;
  std::deque<std::optional<QString>> inputs;

  QStringList messages;  // texts of the messages shown
  QStringList questions;
  struct Asked {
    QString title, prompt, offered;
  };
  std::vector<Asked> asked;  // input boxes shown
};

// A fresh, empty data folder that the program uses while the object lives.
class DataFolder {
 public:
  DataFolder();
  ~DataFolder();
  QString Path(const QString& name) const;
  void Write(const QString& name, const QByteArray& bytes) const;
  QByteArray Read(const QString& name) const;
  bool Exists(const QString& name) const;
  QString Root() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// A full table of entries named "Entry n", each at the same GMT offset and
// place, without daylight saving. Tests then set the entries they look at.
CountryTable EntryTable(const QString& offset = QStringLiteral("0"),
                        const QString& latitude = QStringLiteral("10N"),
                        const QString& longitude = QStringLiteral("20E"));
// The countries.txt bytes a save of the whole table writes (dated 1/1/2026).
QByteArray CountriesBytes(const CountryTable& table);
// What a clock window needs to start: countries.txt with the given bytes and
// a tzone.txt for GMT without daylight saving.
void WriteStartFiles(const DataFolder& data, const QByteArray& countries);

QByteArray ReadFileBytes(const QString& path);
// A file of the source tree, by its path from the top.
QString SourcePath(const QString& relative);

}  // namespace zv::test
