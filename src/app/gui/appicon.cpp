#include "app/gui/appicon.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <map>
#include <utility>

#include "common/gui/resources.h"

namespace zv {

namespace {

// The sizes drawn, smallest first; each is a PNG file of that many pixels a
// side.
constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
// The sizes a window lists for its window manager.
constexpr std::array<int, 4> kWindowSizes = {16, 32, 48, 64};

// The icon's pictures, each decoded the first time a size is asked for: a
// plain QIcon decodes every file as it is added, at start-up, for sizes most
// desktops never ask for.
class AppIconEngine : public QIconEngine {
 public:
  // Lists the sizes in listed; draws any size.
  explicit AppIconEngine(QList<int> listed) : listed_(std::move(listed)) {}
  QIconEngine* clone() const override { return new AppIconEngine(*this); }
  QString key() const override { return QStringLiteral("zorvane-app-icon"); }

  QList<QSize> availableSizes(QIcon::Mode = QIcon::Normal, QIcon::State = QIcon::Off) override {
    QList<QSize> sizes;
    for (const int s : listed_) sizes << QSize(s, s);
    return sizes;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = FileSide(size);
    return QSize(side, side).scaled(size, Qt::KeepAspectRatio);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const QPixmap& picture = Picture(FileSide(size));
    const QSize actual = actualSize(size, mode, state);
    return picture.size() == actual ? picture
                                    : picture.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap shown = pixmap(rect.size() * ratio, mode, state);
    shown.setDevicePixelRatio(ratio);
    const QSize logical = shown.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - logical.width()) / 2,
                                                      (rect.height() - logical.height()) / 2),
                              logical),
                        shown);
  }

 private:
  // The file to draw a size from: the smallest at least as large, or the
  // largest.
  static int FileSide(const QSize& size) {
    const int wanted = std::max(size.width(), size.height());
    for (const int s : kIconSizes)
      if (s >= wanted) return s;
    return kIconSizes.back();
  }

  const QPixmap& Picture(int side) {
    auto it = decoded_.find(side);
    if (it == decoded_.end())
      it = decoded_.emplace(side, QPixmap(QStringLiteral(":/icons/zorvane-%1.png").arg(side))).first;
    return it->second;
  }

  QList<int> listed_;
  std::map<int, QPixmap> decoded_;
};

}  // namespace

QIcon AppIcon() {
  RegisterResources();
  return QIcon(new AppIconEngine(QList<int>(kIconSizes.begin(), kIconSizes.end())));
}

QIcon WindowIcon() {
  RegisterResources();
  return QIcon(new AppIconEngine(QList<int>(kWindowSizes.begin(), kWindowSizes.end())));
}

}  // namespace zv
