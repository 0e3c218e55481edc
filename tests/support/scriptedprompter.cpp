#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace zv::test {

ScriptedPrompter::ScriptedPrompter() { SetPrompter(this); }
ScriptedPrompter::~ScriptedPrompter() { SetPrompter(nullptr); }

void ScriptedPrompter::Message(QWidget*, const QString& text) { messages << text; }

bool ScriptedPrompter::AskYesNo(QWidget*, const QString& text) {
  questions << text;
  if (yesNo.empty()) {
    ADD_FAILURE() << "unexpected question: " << text.toStdString();
    return false;
  }
  const bool a = yesNo.front();
  yesNo.pop_front();
  return a;
}

std::optional<QString> ScriptedPrompter::Input(QWidget*, const QString& title, const QString& prompt,
                                               const QString& offered) {
  asked.push_back({title, prompt, offered});
  if (inputs.empty()) {
    ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
    return std::nullopt;
  }
  const bool given = inputs.front().has_value();
  const QString text = inputs.front().value_or(QString());
  inputs.pop_front();
  if (!given) return std::nullopt;
  return text;
}

}  // namespace zv::test
