#pragma once
// A prompter for window tests: answers message boxes and input boxes from a
// script, records what was asked, and fails the test on a box the script does
// not answer.

#include <gtest/gtest.h>

#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "app/gui/prompter.h"

namespace zv::test {

class ScriptedPrompter : public Prompter {
 public:
  ScriptedPrompter() { SetPrompter(this); }
  ~ScriptedPrompter() override { SetPrompter(nullptr); }

  void Message(QWidget*, const QString& text) override { messages << text; }
  void Inform(QWidget*, const QString& text) override { messages << "i:" + text; }
  SaveAnswer AskSaveChanges(QWidget*, const QString& text) override {
    questions << text;
    return Next(saveAnswers, text);
  }
  bool AskYesNo(QWidget*, const QString& text) override {
    questions << text;
    return Next(yesNo, text);
  }
  std::optional<QString> Input(QWidget*, const QString& title, const QString& prompt,
                               const QString& offered) override {
    asked.push_back({title, prompt, offered});
    return Next(inputs, prompt);
  }
  void Beep() override { ++beeps; }

  // Scripted answers, taken in order.
  void AnswerYes(bool yes) { yesNo.push_back(yes); }
  void AnswerInput(std::optional<QString> answer) { inputs.push_back(answer); }

  std::deque<bool> yesNo;
  std::deque<SaveAnswer> saveAnswers;
  std::deque<std::optional<QString>> inputs;
  QStringList messages, questions;
  struct Asked {
    QString title, prompt, offered;
  };
  std::vector<Asked> asked;  // input boxes shown
  int beeps = 0;

 private:
  template <typename T>
  static T Next(std::deque<T>& script, const QString& box) {
    EXPECT_FALSE(script.empty()) << "unexpected box: " << box.toStdString();
    const T answer = script.empty() ? T() : script.front();
    if (!script.empty()) script.pop_front();
    return answer;
  }
};

}  // namespace zv::test
