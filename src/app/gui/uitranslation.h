#pragma once
// The interface in the user's language: Zorvane's own translation, built in
// under :/i18n, and Qt's (the standard buttons of message boxes) from Qt's
// translations folder when it is there. Each translator leaves the
// application when this object ends.

#include <QLocale>
#include <QTranslator>

namespace zv {

class UiTranslation {
 public:
  // Installs the translation for the first of the locale's interface
  // languages that has one; none for English or a language without one.
  explicit UiTranslation(const QLocale& locale = QLocale::system());

 private:
  QTranslator app_;
  QTranslator qt_;
};

}  // namespace zv
