#include "countryinfo/gui/countryinfowindow.h"

namespace zv {

CountryInfoWindow::CountryInfoWindow(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Country Information"));
  text2_ = new QLineEdit(this);
}

void CountryInfoWindow::SetEntryText(const QString& text) { text2_->setText(text); }

}  // namespace zv
