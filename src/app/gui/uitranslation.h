#pragma once
// The interface in the user's language: Zorvane's own translation, built in
// under :/i18n, and Qt's (the standard buttons of message boxes) from Qt's
// translations folder when it is there.

#include <QLocale>
#include <QTranslator>

namespace zv {

class UiTranslation {
 public:
  // Installs the translation for the first of the locale's interface
  // languages that has one; none for English or a language without one.
  explicit UiTranslation(const QLocale& locale = QLocale::system());
  ~UiTranslation();
  UiTranslation(const UiTranslation&) = delete;
  UiTranslation& operator=(const UiTranslation&) = delete;

  // Whether Zorvane's own translation was found and installed.
  bool installed() const { return appInstalled_; }

 private:
  QTranslator app_;
  QTranslator qt_;
  bool appInstalled_ = false;
  bool qtInstalled_ = false;
};

}  // namespace zv
