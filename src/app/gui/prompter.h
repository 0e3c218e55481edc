#pragma once
// Every modal message box and input box of the program goes through one
// Prompter, so that tests can answer them from a script.

#include <QString>
#include <optional>

class QWidget;

namespace zv {

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A message with the exclamation icon, an OK button and the title Zorvane.
  virtual void Message(QWidget* parent, const QString& text) = 0;
  // A message with the information icon: something done or found, no fault.
  virtual void Inform(QWidget* parent, const QString& text) = 0;
  // The About box: the program's icon, an OK
  // button and the given title. A test's prompter takes it as a Message.
  virtual void ShowAbout(QWidget* parent, const QString& /*title*/, const QString& text) {
    Message(parent, text);
  }
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
  // Changes not saved would be lost: Save them, Discard them, or Cancel
  // what would lose them.
  enum class SaveAnswer { kSave, kDiscard, kCancel };
  virtual SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) = 0;
  // An input box; nothing when cancelled.
  virtual std::optional<QString> Input(QWidget* parent, const QString& title, const QString& prompt,
                                       const QString& offered) = 0;
  // The short warning sound for a refused key or entry.
  virtual void Beep() = 0;
};

// The prompter in use: real dialogs unless a test set another; once the
// program is ending, one that shows nothing and answers No and Cancel.
Prompter& Prompts();
void SetPrompter(Prompter* prompter);  // nullptr restores the real dialogs

// The program is ending from outside: every box open is closed as if
// cancelled, and no box is shown any more.
void EndPrompts();
// How many of the real dialogs' boxes are still inside their own event
// loop; the windows under them must live until it is 0.
int OpenPrompts();

inline const QString kAppTitle = QStringLiteral("Zorvane");

}  // namespace zv
