#include "app/gui/uitranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zv {

UiTranslation::UiTranslation(const QLocale& locale) {
  // load() tries each of locale.uiLanguages() in turn (de-DE, then de).
  if (!app_.load(locale, QStringLiteral("zorvane"), QStringLiteral("_"), QStringLiteral(":/i18n"))) return;
  // Qt's own words only beside Zorvane's, so a window never mixes languages;
  // without them (Qt's translations not installed) its buttons stay English.
  QCoreApplication::installTranslator(&app_);
  if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt_);
}

}  // namespace zv
