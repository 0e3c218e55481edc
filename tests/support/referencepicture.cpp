#include "support/referencepicture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "support/testsupport.h"

namespace zv::test {

::testing::AssertionResult MatchesReference(QWidget* window, const QString& relative) {
  QApplication::processEvents();
  const QImage actual = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString path = SourcePath(relative);
  if (qEnvironmentVariable("ZORVANE_UPDATE_REFERENCES") == QLatin1String("1")) {
    QDir().mkpath(QFileInfo(path).path());
    if (!actual.save(path)) return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
    return ::testing::AssertionSuccess() << "written";
  }
  const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
  const QString keep = QFileInfo(path).completeBaseName() + QStringLiteral(".actual.png");
  if (expected.isNull()) {
    actual.save(keep);
    return ::testing::AssertionFailure() << "no reference picture " << path.toStdString()
                                         << " (rendering kept as " << keep.toStdString() << ")";
  }
  if (expected.size() != actual.size()) {
    actual.save(keep);
    return ::testing::AssertionFailure()
           << relative.toStdString() << ": size " << actual.width() << "x" << actual.height()
           << ", reference " << expected.width() << "x" << expected.height() << " (rendering kept as "
           << keep.toStdString() << ")";
  }
  int differing = 0;
  QPoint first(-1, -1);
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (actual.pixel(x, y) != expected.pixel(x, y) && differing++ == 0) first = QPoint(x, y);
  if (differing == 0) return ::testing::AssertionSuccess();
  actual.save(keep);
  return ::testing::AssertionFailure()
         << relative.toStdString() << ": " << differing << " pixels differ, the first at " << first.x() << ","
         << first.y() << " (rendering kept as " << keep.toStdString() << ")";
}

}  // namespace zv::test
