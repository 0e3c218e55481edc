#include "app/gui/uitranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zv {

UiTranslation::UiTranslation(const QLocale& locale) {
  // load() tries each of locale.uiLanguages() in turn (de_DE, then de).
  appInstalled_ =
      app_.load(locale, QStringLiteral("zorvane"), QStringLiteral("_"), QStringLiteral(":/i18n")) &&
      QCoreApplication::installTranslator(&app_);
  // Qt's own words only beside Zorvane's, so a window never mixes languages.
  qtInstalled_ = appInstalled_ &&
                 qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&qt_);
}

UiTranslation::~UiTranslation() {
  if (qtInstalled_) QCoreApplication::removeTranslator(&qt_);
  if (appInstalled_) QCoreApplication::removeTranslator(&app_);
}

}  // namespace zv
