#pragma once
// The world map window (Form22). Placeholder until the window is built.

#include <QWidget>

namespace zv {

class WorldMapWindow : public QWidget {
  Q_OBJECT
 public:
  explicit WorldMapWindow(QWidget* parent = nullptr);
};

}  // namespace zv
