#pragma once
// A prompter for window tests: answers message boxes and input boxes from a
// script and records what was asked.

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "app/gui/prompter.h"

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
  void Beep() override { ++beeps; }

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
  int beeps = 0;
};

}  // namespace zv::test
