#pragma once
// The country information window (Form2). Placeholder until the window is
// built: it holds the entry number box that the other windows write into.

#include <QLineEdit>
#include <QWidget>

namespace zv {

class CountryInfoWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CountryInfoWindow(QWidget* parent = nullptr);
  // Writes a text into the entry number box, which shows that entry.
  void SetEntryText(const QString& text);
  QLineEdit* Text2() const { return text2_; }

 private:
  QLineEdit* text2_ = nullptr;
};

}  // namespace zv
