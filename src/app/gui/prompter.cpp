#include "app/gui/prompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <vector>

#include "app/gui/appicon.h"

namespace zv {

namespace {

constexpr int kInformIconPixels = 64;
bool g_ending = false;
int g_open = 0;
std::vector<QPointer<QDialog>> g_boxes;  // the boxes inside their event loop

// Runs a box on the heap: a window closed under it (the program ending from
// outside) may delete it, which the guard notices, instead of a box on the
// stack being deleted twice.
int RunBox(QDialog* box) {
  QPointer<QDialog> guard(box);
  g_boxes.push_back(guard);
  ++g_open;
  const int result = box->exec();
  --g_open;
  std::erase(g_boxes, guard);
  if (!guard) return QDialog::Rejected;
  delete box;
  return result;
}

class DialogPrompter : public Prompter {
 public:
  void Message(QWidget* parent, const QString& text) override {
    RunBox(new QMessageBox(QMessageBox::Warning, kAppTitle, text, QMessageBox::Ok, parent));
  }
  void Inform(QWidget* parent, const QString& text) override {
    RunBox(new QMessageBox(QMessageBox::Information, kAppTitle, text, QMessageBox::Ok, parent));
  }
  void ShowAbout(QWidget* parent, const QString& title, const QString& text) override {
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setIconPixmap(AppIcon().pixmap(kInformIconPixels));
    RunBox(box);
  }
  SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) override {
    auto* box = new QMessageBox(QMessageBox::Warning, kAppTitle, text,
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
    const int answer = RunBox(box);
    if (answer == QMessageBox::Save) return SaveAnswer::kSave;
    if (answer == QMessageBox::Discard) return SaveAnswer::kDiscard;
    return SaveAnswer::kCancel;
  }
  bool AskYesNo(QWidget* parent, const QString& text) override {
    auto* box =
        new QMessageBox(QMessageBox::Warning, kAppTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::Yes);
    return RunBox(box) == QMessageBox::Yes;
  }
  std::optional<QString> Input(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& offered) override {
    auto* box = new QInputDialog(parent);
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    box->setTextValue(offered);
    // Taken when the box is accepted, before it is deleted.
    QString answer;
    QObject::connect(box, &QInputDialog::textValueSelected, box, [&answer](const QString& t) { answer = t; });
    if (RunBox(box) != QDialog::Accepted) return std::nullopt;
    return answer;
  }
  void Beep() override { QApplication::beep(); }
};

// What answers once the program is ending: nobody is there to ask.
class EndingPrompter : public Prompter {
 public:
  void Message(QWidget*, const QString&) override {}
  void Inform(QWidget*, const QString&) override {}
  // The recovery copy already holds the changes (see the session guard).
  SaveAnswer AskSaveChanges(QWidget*, const QString&) override { return SaveAnswer::kDiscard; }
  void ShowAbout(QWidget*, const QString&, const QString&) override {}
  bool AskYesNo(QWidget*, const QString&) override { return false; }
  std::optional<QString> Input(QWidget*, const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  void Beep() override {}
};

DialogPrompter g_dialogs;
EndingPrompter g_silent;
Prompter* g_prompter = nullptr;

}  // namespace

Prompter& Prompts() {
  if (g_ending) return g_silent;
  return g_prompter ? *g_prompter : g_dialogs;
}
void SetPrompter(Prompter* prompter) {
  g_prompter = prompter;
  g_ending = false;  // a test starts a new run
}

void EndPrompts() {
  g_ending = true;
  for (const QPointer<QDialog>& box : std::vector(g_boxes))
    if (box) box->reject();
}

int OpenPrompts() { return g_open; }

}  // namespace zv
