#include "app/gui/prompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace zv {

namespace {

class DialogPrompter : public Prompter {
 public:
  void Message(QWidget* parent, const QString& text) override {
    QMessageBox::warning(parent, kAppTitle, text, QMessageBox::Ok);
  }
  bool AskYesNo(QWidget* parent, const QString& text) override {
    return QMessageBox::warning(parent, kAppTitle, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::Yes) == QMessageBox::Yes;
  }
  std::optional<QString> Input(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& offered) override {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, offered, &ok);
    if (!ok) return std::nullopt;
    return answer;
  }
  void Beep() override { QApplication::beep(); }
};

DialogPrompter g_dialogs;
Prompter* g_prompter = nullptr;

}  // namespace

Prompter& Prompts() { return g_prompter ? *g_prompter : g_dialogs; }
void SetPrompter(Prompter* prompter) { g_prompter = prompter; }

}  // namespace zv
