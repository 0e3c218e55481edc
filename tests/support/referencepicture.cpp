#include "support/referencepicture.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "support/testsupport.h"

namespace zv::test {

::testing::AssertionResult MatchesReference(QWidget* window, const QString& relative) {
  QApplication::processEvents();
  const QImage actual = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString path = SourcePath(relative), kept = QFileInfo(path).completeBaseName() + ".actual.png";
  if (qEnvironmentVariable("ZORVANE_UPDATE_REFERENCES") == "1")
    QDir().mkpath(QFileInfo(path).path()), actual.save(path);
  if (actual == QImage(path).convertToFormat(QImage::Format_RGB32)) return ::testing::AssertionSuccess();
  actual.save(kept);
  return ::testing::AssertionFailure()
         << relative.toStdString() << " differs from the rendering, kept as " << kept.toStdString();
}

}  // namespace zv::test
