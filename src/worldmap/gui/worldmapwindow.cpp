#include "worldmap/gui/worldmapwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "app/gui/appwindows.h"
#include "app/gui/prompter.h"
#include "clock/gui/clockwindow.h"
#include "common/gui/colours.h"
#include "common/gui/formfont.h"
#include "common/gui/formpalette.h"
#include "common/gui/handcursor.h"
#include "common/gui/paintpacer.h"
#include "common/gui/twips.h"
#include "common/gui/widgetutils.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/outsideworld.h"
#include "data/sharedstate.h"
#include "data/timeofday.h"
#include "solar/numberfns.h"
#include "solar/suncalc.h"
#include "worldmap/mapgeometry.h"
#include "worldmap/nightshade.h"

namespace zv {
namespace {

constexpr int kMapPxW = 720;
constexpr int kMapPxH = 320;
const QRect kMapRect(0, 0, kMapPxW, kMapPxH);  // logical pixels
// The pixel ratio of the picture made at twice the size, which the window
// draws from at any device pixel ratio above 1 (on a drawing surface at the
// screen's density).
constexpr qreal kHighDensityPicture = 2;
constexpr int kPenPx = 2;  // drawing pen width, as wide as the legend lines
constexpr double kClientTwipsW = 10800;
constexpr double kClientTwipsH = 5130;  // the map and a strip for the information labels
constexpr double kFrameTwipsW = 90;     // side borders of the design
constexpr double kFrameTwipsH = 500;    // caption and borders of the design
constexpr double kProgressFrameTwips = 3435;
const QColor kFillBlue(0, 0, 192);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);
// The night shade: no shade by day, then darker through civil, nautical and
// astronomical twilight to night (premultiplied, over the map picture).
const std::array<std::uint32_t, kSkyLights> kShadeColours = {
    qPremultiply(qRgba(0, 0, 0, 0)), qPremultiply(qRgba(10, 10, 50, 60)),
    qPremultiply(qRgba(10, 10, 50, 100)), qPremultiply(qRgba(10, 10, 50, 135)),
    qPremultiply(qRgba(10, 10, 50, 165))};
// The plate under the map labels: black at this opacity leaves even a white
// stroke below at most RGB(89, 89, 89), so yellow text stands out at least
// 6.5 : 1 from whatever lies under it.
constexpr int kPlateAlpha = 166;
// Where the check box is remembered between runs.
const char* const kNightSetting = "WorldMap/Night";
constexpr int kMinuteMs = 60000;

QSettings Settings() { return QSettings(QStringLiteral("Zorvane"), QStringLiteral("Zorvane")); }

// The map picture for a device pixel ratio: the 720 x 320 picture at ratio 1,
// the 1440 x 640 one, made from the same shapes, above it.
QImage LoadMapPicture(qreal ratio) {
  const bool dense = ratio > 1;
  QImage picture(dense ? QStringLiteral(":/worldmap@2x.png") : QStringLiteral(":/worldmap.png"));
  if (picture.isNull()) {
    picture = QImage(kMapRect.size() * (dense ? kHighDensityPicture : 1), QImage::Format_RGB32);
    picture.fill(QColor(200, 225, 245));
  }
  picture = picture.convertToFormat(QImage::Format_RGB32);
  picture.setDevicePixelRatio(dense ? kHighDensityPicture : 1);
  return picture;
}

QPointF TwipsToPx(QPointF twips) {
  // Drawing operations take single precision coordinates.
  return {static_cast<float>(twips.x()) / static_cast<float>(kTwipsPerPixel),
          static_cast<float>(twips.y()) / static_cast<float>(kTwipsPerPixel)};
}

}  // namespace

QRect StrokeReach(QPointF from, QPointF to, qreal ratio) {
  // The painter fills the device pixels whose centres lie in the rectangle
  // the pen sweeps along the line, which reaches half the pen's width beyond
  // each side and end: at most half the pen's diagonal beyond the line's
  // bounding box.
  const double reach = std::sqrt(2.0) * kPenPx / 2;
  const QRectF box = QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach);
  // The first and last device pixel with its centre inside, and the logical
  // pixels those lie in.
  auto first = [ratio](double edge) {
    return static_cast<int>(std::floor(std::ceil(edge * ratio - 0.5) / ratio));
  };
  auto last = [ratio](double edge) {
    return static_cast<int>(std::ceil((std::floor(edge * ratio - 0.5) + 1) / ratio)) - 1;
  };
  return QRect(QPoint(first(box.left()), first(box.top())), QPoint(last(box.right()), last(box.bottom())));
}

namespace {

// Fills a rectangle (logical pixels) of the painter's picture as the painter
// would, without the painter where the picture allows.
void PaintFill(StrokePainter& on, const QRectF& area, QRgb colour) {
  QImage& picture = *on.picture;
  if (picture.devicePixelRatio() != 1 || qAlpha(colour) != 255) {
    on.painter.fillRect(area, QColor::fromRgba(colour));
    return;
  }
  // On a picture of one pixel a logical pixel, the pixels the painter fills
  // for this rectangle (each edge rounded to the nearest pixel line), written
  // directly: the painter's fill of a narrow rectangle calls through several
  // layers for each row, and a "Show Day/Night" run spends about 5% more
  // CPU with it.
  const int left = qRound(area.left()), top = qRound(area.top());
  const QRect pixels =
      QRect(left, top, qRound(area.right()) - left, qRound(area.bottom()) - top) & picture.rect();
  if (pixels.isEmpty()) return;
  // The pixels the painter draws on: read without bits(), which would give
  // the picture pixels of its own, apart from the painter's, were a copy of
  // it alive. Both pictures of the map have four bytes a pixel, and an
  // opaque colour the same value in each.
  const qsizetype stride = picture.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  QRgb* row = const_cast<QRgb*>(reinterpret_cast<const QRgb*>(picture.constBits())) + pixels.top() * stride +
              pixels.left();
  QRgb* const end = row + pixels.height() * stride;
  if (pixels.width() == kPenPx) {
    // A column of the pen's width, as "Show Day/Night" draws hundreds of,
    // each hundreds of rows high: two stores a row.
    static_assert(kPenPx == 2);
    for (; row != end; row += stride) row[0] = row[1] = colour;
    return;
  }
  for (; row != end; row += stride) std::fill(row, row + pixels.width(), colour);
}

void PaintLine(StrokePainter& on, const QLineF& line, QRgb colour) {
  if (on.penColour != colour) {
    on.painter.setPen(QPen(QColor::fromRgba(colour), kPenPx, Qt::SolidLine, Qt::SquareCap));
    on.penColour = colour;
  }
  on.painter.drawLine(line);
}

void PaintTag(StrokePainter& on, const QRect& plate, const QString& text, const QLabel& look, int ascent) {
  on.painter.fillRect(plate, QColor(0, 0, 0, kPlateAlpha));
  on.painter.setFont(look.font());
  on.painter.setPen(look.palette().color(QPalette::WindowText));
  on.penColour.reset();
  on.painter.drawText(plate.left(), plate.top() + ascent, text);
}

// At most this many strokes wait for the drawing: about a hundred runs'
// worth.
constexpr std::size_t kMaxPendingStrokes = 20000;

}  // namespace

ShapeWidget::ShapeWidget(Kind kind, const QColor& colour, QWidget* parent)
    : QWidget(parent), kind_(kind), colour_(colour) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  switch (kind_) {
    case Kind::Filled:
      p.fillRect(rect(), colour_);
      break;
    case Kind::Outline: {
      // A one-pixel frame as four filled edges: the same pixels as a
      // one-pixel pen draws, without the stroker.
      const QRect r = rect();
      p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour_);
      p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour_);
      p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour_);
      p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour_);
      break;
    }
    case Kind::HorizontalLine:
      p.fillRect(QRect(0, height() / 2 - 1, width(), 2), colour_);
      break;
  }
}

void PlateLabel::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 0, kPlateAlpha));
    // A name label with the keyboard's focus is framed in its text colour.
    if (hasFocus()) {
      p.setPen(palette().color(QPalette::WindowText));
      p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
  }
  QLabel::paintEvent(event);
}

WorldMapWindow::WorldMapWindow(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("World Map"));
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(TwipSize(kClientTwipsW, kClientTwipsH));
  setFont(FormFont());
  setPalette(FormPalette());
  // paintEvent covers all it is asked for itself, the map and the strip below
  // it, so the map's area is not filled with the window's colour first.
  setAttribute(Qt::WA_OpaquePaintEvent);

  MatchSurfaceToScreen();

  auto button = [this](int i, const QString& name, const QString& text, QRect twipRect) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setGeometry(twipRect);
    buttons_[i] = b;
  };
  button(kButtonSunriseSunset, QStringLiteral("SunriseSunsetButton"), tr("Plot Sunrise/Sunset"),
         TwipRect(45, 4050, 1635, 350));
  button(kButtonDayNight, QStringLiteral("DayNightButton"), tr("Show Day/Night"),
         TwipRect(1710, 4050, 1500, 350));
  button(kButtonClose, QStringLiteral("CloseButton"), tr("Close"), TwipRect(45, 4410, 780, 350));
  button(kButtonFind, QStringLiteral("FindButton"), tr("Find Country"), TwipRect(855, 4410, 1410, 350));
  button(kButtonClear, QStringLiteral("ClearButton"), tr("Clear"), TwipRect(2295, 4410, 915, 350));

  gmtBox_ = new QLineEdit(this);
  gmtBox_->setObjectName(QStringLiteral("GmtBox"));
  gmtBox_->setGeometry(TwipRect(540, 3645, 1140, 330));

  const QFont fixed = DesignFont("Courier New", 9);
  auto info = [&](int i, const QString& name, const QString& caption, double left, double top) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(name);
    l->setFont(fixed);
    SetTextColour(l, kCaptionColour);
    l->move(TwipPoint(left, top));
    l->adjustSize();
    infoLabels_[i] = l;
  };
  info(kLabelGmt, QStringLiteral("GmtLabel"), QStringLiteral("GMT"), 90, 3690);
  info(kLabelLatitude, QStringLiteral("LatitudeLabel"), tr("Latitude"), 45, 4860);
  info(kLabelLongitude, QStringLiteral("LongitudeLabel"), tr("Longitude"), 2505, 4860);
  info(kLabelSunrise, QStringLiteral("SunriseLabel"), tr("Sunrise at"), 4905, 4860);
  info(kLabelSunset, QStringLiteral("SunsetLabel"), tr("Sunset at"), 7830, 4860);

  legendPlate_ = new ShapeWidget(ShapeWidget::Kind::Filled, palette().color(QPalette::Button), this);
  legendPlate_->setGeometry(TwipRect(7785, 4500, 2985, 285));
  // Each caption may grow into the gap before its line when the form font
  // draws it wider than its designed width, rather than lose its last letter.
  auto legend = [&](int i, const QString& caption, double left, double width, double lineLeft) {
    auto* l = new QLabel(caption, this);
    l->setGeometry(TwipRect(left, 4545, width, 195));
    const int need = l->fontMetrics().horizontalAdvance(caption);
    if (need > l->width()) l->resize(std::min(need, Px(lineLeft - left)), l->height());
    legendCaptions_[i] = l;
  };
  legend(kLegendSunrise, tr("Sun rise"), 7875, 570, 8505);
  legend(kLegendSunset, tr("Sun set"), 9405, 540, 10035);
  legendLines_[kLegendSunrise] = new ShapeWidget(ShapeWidget::Kind::HorizontalLine, kRed, this);
  legendLines_[kLegendSunrise]->setGeometry(TwipRect(8505, 4680 - 30, 630, 60));
  legendLines_[kLegendSunset] = new ShapeWidget(ShapeWidget::Kind::HorizontalLine, kBlue, this);
  legendLines_[kLegendSunset]->setGeometry(TwipRect(10035, 4680 - 30, 630, 60));

  progressFrame_ = new ShapeWidget(ShapeWidget::Kind::Outline, Qt::black, this);
  progressFrame_->setGeometry(TwipRect(3555, 4500, kProgressFrameTwips, 240));
  progressFrame_->hide();
  progressBar_ = new ShapeWidget(ShapeWidget::Kind::Filled, kFillBlue, this);
  progressBar_->setGeometry(TwipRect(3555, 4500, 15, 240));
  progressBar_->hide();
  pointMarker_ = new ShapeWidget(ShapeWidget::Kind::Filled, kRed, this);
  pointMarker_->setGeometry(TwipRect(0, 405, 45, 45));
  pointMarker_->hide();  // until the first press on the map

  // The date the sun figures are for, on a plate of the window's colour over
  // the sea above the legend, its right edge on the legend's.
  sunDate_ = new QLabel(this);
  sunDate_->setObjectName(QStringLiteral("SunDate"));
  sunDate_->setFont(fixed);
  SetTextColour(sunDate_, kCaptionColour);
  sunDate_->setAutoFillBackground(true);
  nightBox_ = new QCheckBox(tr("Night"), this);
  nightBox_->setObjectName(QStringLiteral("NightBox"));
  nightBox_->setAutoFillBackground(true);
  nightBox_->adjustSize();
  nightBox_->move(TwipPoint(1770, 3660));
  nightBox_->setChecked(Settings().value(QLatin1String(kNightSetting), false).toBool());
  SetNight(nightBox_->isChecked());
  connect(nightBox_, &QCheckBox::toggled, this, [this](bool on) {
    Settings().setValue(QLatin1String(kNightSetting), on);
    SetNight(on);
  });
  minuteTimer_ = new QTimer(this);
  minuteTimer_->setInterval(kMinuteMs);
  connect(minuteTimer_, &QTimer::timeout, this, &WorldMapWindow::FollowClock);
  minuteTimer_->start();

  mapLabelTemplate_ = new PlateLabel(QStringLiteral("GMT"), this);
  mapLabelTemplate_->setObjectName(QStringLiteral("MapLabel0"));
  QFont labelFont = FormFont();
  labelFont.setBold(true);
  mapLabelTemplate_->setFont(labelFont);
  labelMetrics_.emplace(labelFont);
  SetTextColour(mapLabelTemplate_, QColor(255, 255, 0));
  mapLabelTemplate_->setAutoFillBackground(false);
  mapLabelTemplate_->setAttribute(Qt::WA_TranslucentBackground);
  mapLabelTemplate_->setCursor(HandCursor());
  mapLabelTemplate_->setGeometry(TwipRect(0, 50, 420, 195));
  mapLabelTemplate_->installEventFilter(this);

  connect(buttons_[kButtonDayNight], &QPushButton::clicked, this, &WorldMapWindow::ShowDayNight);
  connect(buttons_[kButtonClear], &QPushButton::clicked, this, &WorldMapWindow::ClearMap);
  connect(buttons_[kButtonClose], &QPushButton::clicked, this, &QWidget::close);
  connect(buttons_[kButtonSunriseSunset], &QPushButton::clicked, this, &WorldMapWindow::PlotSunriseSunset);
  connect(buttons_[kButtonFind], &QPushButton::clicked, this, &WorldMapWindow::FindCountry);
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(esc, &QShortcut::activated, buttons_[kButtonClose], &QPushButton::click);

  // The GMT time in the form the clock shows it: 24 hours where it shows them.
  const std::optional<int> gmtSeconds = ParseTimeOfDay(Shared().gmtTimeText);
  const ClockWindow* clock = TheClock();
  gmtBox_->setText(gmtSeconds && clock && clock->TwentyFourHours() ? Format24(*gmtSeconds / 60)
                                                                   : Shared().gmtTimeText);
  SunDate();
  SetUpAccess();

  // Placed by the outer size of the window as designed.
  PlaceWindow(this, TwipSize(kClientTwipsW + kFrameTwipsW, kClientTwipsH + kFrameTwipsH),
              QStringLiteral("worldmap"));
}

WorldMapWindow::~WorldMapWindow() = default;

QLabel* WorldMapWindow::InfoLabelAt(int i) const {
  auto it = infoLabels_.find(i);
  return it == infoLabels_.end() ? nullptr : it->second;
}

QLabel* WorldMapWindow::MapLabel(int i) const {
  if (i == 0) return mapLabelTemplate_;
  auto it = mapLabels_.find(i);
  return it == mapLabels_.end() ? nullptr : it->second;
}

QColor WorldMapWindow::PenColour() const { return palette().color(QPalette::ButtonText); }

QLabel* WorldMapWindow::NewMapLabel() {
  const int index = HighestLabelIndex() + 1;
  auto* l = new PlateLabel(mapLabelTemplate_->text(), this);
  l->setObjectName(QStringLiteral("MapLabel%1").arg(index));
  l->setFont(mapLabelTemplate_->font());
  l->setPalette(mapLabelTemplate_->palette());
  l->setAutoFillBackground(false);
  l->setAttribute(Qt::WA_TranslucentBackground);
  l->setCursor(mapLabelTemplate_->cursor());
  l->setGeometry(mapLabelTemplate_->geometry());
  l->installEventFilter(this);
  l->hide();
  mapLabels_[index] = l;
  return l;
}

void WorldMapWindow::MatchSurfaceToScreen() {
  const qreal ratio = devicePixelRatioF();
  if (ratio == surfaceRatio_) return;
  EndStrokes();
  BringDrawingUpToDate();
  surfaceRatio_ = ratio;
  map_ = LoadMapPicture(ratio);
  QImage surface(
      QSize(static_cast<int>(std::ceil(kMapPxW * ratio)), static_cast<int>(std::ceil(kMapPxH * ratio))),
      QImage::Format_ARGB32_Premultiplied);
  surface.setDevicePixelRatio(ratio);
  surface.fill(Qt::transparent);
  if (!drawing_.isNull()) {
    // The window moved to a screen of another density: keep what is drawn.
    QPainter p(&surface);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(kMapRect), drawing_);
  }
  drawing_ = surface;
  shown_ = QImage(surface.size(), QImage::Format_RGB32);
  shown_.setDevicePixelRatio(ratio);
  if (!shade_.isNull()) RenderNightShade();
  ComposeShown();
  update();
}

void WorldMapWindow::ComposeShown() {
  EndStrokes();
  BringDrawingUpToDate();
  QPainter p(&shown_);
  if (map_.devicePixelRatio() != surfaceRatio_) p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const QImage* layer : {&map_, &shade_, &drawing_})
    if (!layer->isNull()) p.drawImage(QRectF(kMapRect), *layer);
}

void WorldMapWindow::AddStroke(MapStroke stroke) {
  pendingStrokes_.push_back(std::move(stroke));
  if (pendingStrokes_.size() >= kMaxPendingStrokes) BringDrawingUpToDate();
}

void WorldMapWindow::BringDrawingUpToDate() {
  if (pendingStrokes_.empty()) return;
  StrokePainter on(&drawing_);
  for (const MapStroke& stroke : pendingStrokes_) {
    switch (stroke.kind) {
      case MapStroke::Kind::Fill:
        PaintFill(on, QRectF(stroke.corners.p1(), stroke.corners.p2()), stroke.colour);
        break;
      case MapStroke::Kind::Line:
        PaintLine(on, stroke.corners, stroke.colour);
        break;
      case MapStroke::Kind::Tag:
        PaintTag(on, QRectF(stroke.corners.p1(), stroke.corners.p2()).toRect(), stroke.text,
                 *mapLabelTemplate_, labelMetrics_->ascent());
        break;
    }
  }
  pendingStrokes_.clear();
}

const QImage& WorldMapWindow::Drawing() {
  BringDrawingUpToDate();
  return drawing_;
}

StrokePainter& WorldMapWindow::Strokes() {
  // A change of screen repaints the window, which ends the painter: the
  // surface is matched to the screen when a painter begins.
  if (!strokes_) {
    MatchSurfaceToScreen();
    strokes_.emplace(&shown_);
  }
  return *strokes_;
}

void WorldMapWindow::EndStrokes() { strokes_.reset(); }

void WorldMapWindow::DrawLine(QPointF fromTwips, QPointF toTwips, const QColor& colour) {
  // The painter works in logical pixels; at a device pixel ratio above 1 the
  // surface has more pixels, so the line is drawn at the screen's density.
  const QPointF from = TwipsToPx(fromTwips), to = TwipsToPx(toTwips);
  if (from.x() == to.x()) {
    // A square-capped vertical stroke is a rectangle, which fills without
    // the stroker: "Show Day/Night" draws hundreds of them.
    const qreal half = kPenPx / 2.0;
    FillStroke(QRectF(QPointF(from.x() - half, std::min(from.y(), to.y()) - half),
                      QPointF(from.x() + half, std::max(from.y(), to.y()) + half)),
               colour);
  } else {
    PaintLine(Strokes(), QLineF(from, to), colour.rgba());
    AddStroke({MapStroke::Kind::Line, colour.rgba(), QLineF(from, to), {}});
  }
  AddDrawn(StrokeReach(from, to, surfaceRatio_));
}

void WorldMapWindow::FillStroke(const QRectF& area, const QColor& colour) {
  PaintFill(Strokes(), area, colour.rgba());
  AddStroke({MapStroke::Kind::Fill, colour.rgba(), QLineF(area.topLeft(), area.bottomRight()), {}});
}

void WorldMapWindow::DrawDot(QPointF atTwips, const QColor& colour) {
  const QPointF at = TwipsToPx(atTwips);
  const qreal half = kPenPx / 2.0;
  FillStroke(QRectF(at.x() - half, at.y() - half, kPenPx, kPenPx), colour);
  AddDrawn(StrokeReach(at, at, surfaceRatio_));
}

void WorldMapWindow::DrawTag(const QString& text, QPoint topLeft) {
  // The plate is as big as a label's for the text: one line's height and the
  // text's advance. The metrics are kept from the window's start (made afresh
  // they load the font again), and the advance is all the layout needed (a
  // laid-out bounding box would cost the run as much again as the text).
  const QFontMetrics& metrics = *labelMetrics_;
  const QSize size(metrics.horizontalAdvance(text), metrics.height());
  const QRect plate(QPoint(std::min(topLeft.x(), kMapPxW - size.width()), topLeft.y()), size);
  PaintTag(Strokes(), plate, text, *mapLabelTemplate_, metrics.ascent());
  AddStroke({MapStroke::Kind::Tag, 0,
             QLineF(plate.topLeft(), plate.topLeft() + QPoint(size.width(), size.height())), text});
  AddDrawn(plate);
}

void WorldMapWindow::AddDrawn(const QRect& area) {
  constexpr int bandHeight = kMapPxH / kDrawnBands;
  constexpr int columnWidth = kMapPxW / kDrawnColumns;
  // In whole numbers rather than rectangle operations, which are calls into
  // the library: a "Show Day/Night" run adds hundreds of columns, each
  // reaching into up to every band.
  const int left = std::max(area.left(), 0), right = std::min(area.right(), kMapPxW - 1);
  const int top = std::max(area.top(), 0), bottom = std::min(area.bottom(), kMapPxH - 1);
  if (left > right || top > bottom) return;
  for (int band = top / bandHeight; band <= bottom / bandHeight; ++band) {
    for (int column = left / columnWidth; column <= right / columnWidth; ++column) {
      const int inLeft = std::max(left, column * columnWidth);
      const int inRight = std::min(right, (column + 1) * columnWidth - 1);
      DrawnSpan& span = drawn_[band * kDrawnColumns + column];
      span = span.IsEmpty() ? DrawnSpan{inLeft, inRight}
                            : DrawnSpan{std::min(span.left, inLeft), std::max(span.right, inRight)};
    }
  }
}

QRegion WorldMapWindow::TakeDrawn() {
  constexpr int bandHeight = kMapPxH / kDrawnBands;
  // Spans fewer columns apart are joined: a rectangle more costs a repaint
  // more than a few hundred pixels more.
  constexpr int joinGap = 8;
  // Each band's spans at its full height, those close together joined: the
  // rectangles come in the order a region keeps them, each added at its end.
  QRegion drawn;
  for (int band = 0; band < kDrawnBands; ++band) {
    DrawnSpan joined;
    auto add = [&] {
      if (!joined.IsEmpty())
        drawn += QRect(joined.left, band * bandHeight, joined.right - joined.left + 1, bandHeight);
    };
    for (int column = 0; column < kDrawnColumns; ++column) {
      const DrawnSpan span = std::exchange(drawn_[band * kDrawnColumns + column], DrawnSpan{});
      if (span.IsEmpty()) continue;
      if (!joined.IsEmpty() && span.left <= joined.right + 1 + joinGap) {
        joined.right = std::max(joined.right, span.right);
      } else {
        add();
        joined = span;
      }
    }
    add();
  }
  return drawn;
}

void WorldMapWindow::UpdateDrawn() {
  EndStrokes();
  const QRegion drawn = TakeDrawn();
  if (!drawn.isEmpty()) update(drawn);
}

void WorldMapWindow::paintEvent(QPaintEvent* event) {
  EndStrokes();
  MatchSurfaceToScreen();
  // Only the parts asked for: a row of a long command repaints a narrow strip
  // and the progress bar.
  QPainter p(this);
  const qreal r = shown_.devicePixelRatio();
  for (const QRect& asked : event->region()) {
    if (!kMapRect.contains(asked))
      for (const QRect& strip : QRegion(asked).subtracted(kMapRect)) p.fillRect(strip, palette().window());
    const QRect area = asked & kMapRect;
    if (area.isEmpty()) continue;
    // The map as shown is copied: composing its layers here would double the
    // cost of a run's repaint.
    p.drawImage(QRectF(area), shown_,
                QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r));
  }
}

void WorldMapWindow::MarkPoint(double lat, double lon, const QString& entryName) {
  const double x = LonToX(lon);
  const double y = LatToY(lat);
  DrawLine({x - 100, y}, {x + 100, y}, PenColour());
  DrawLine({x, y - 100}, {x, y + 100}, PenColour());
  UpdateDrawn();
  QLabel* label = NewMapLabel();
  label->setText(LabelTextForName(entryName));
  label->adjustSize();
  label->move(TwipPoint(x + 150, y - 100));
  MakeFocusable(label);
  label->show();
}

void WorldMapWindow::MarkCountry(int n) {
  double lat = 0, lon = 0;
  QString name;
  if (n >= 1 && n < CountryTable::kRows) {
    const CountryTable& w = Shared().working;
    lat = CoordinateFromText(w.at(n, kColLatitude), QLatin1Char('N'));
    lon = CoordinateFromText(w.at(n, kColLongitude), QLatin1Char('E'));
    name = w.at(n, kColName);
  }
  MarkPoint(lat, lon, name);
}

QDate WorldMapWindow::SunDate() {
  const QDate today = CurrentClock().Now().toUTC().date();
  sunDate_->setText(SunDateCaption(today));
  sunDate_->adjustSize();
  sunDate_->move(Px(7785 + 2985) - sunDate_->width(), Px(4500) - sunDate_->height() - 2);
  return today;
}

void WorldMapWindow::SetNight(bool on) {
  if (on) {
    RenderNightShade();
  } else {
    shade_ = QImage();
  }
  ComposeShown();
  update(kMapRect);
}

void WorldMapWindow::RenderNightShade() {
  const qreal ratio = surfaceRatio_;
  QImage shade(drawing_.size(), QImage::Format_ARGB32_Premultiplied);
  shade.setDevicePixelRatio(ratio);
  ShadeMap(CurrentClock().Now(), shade.width(), shade.height(), kShadeColours,
           reinterpret_cast<std::uint32_t*>(shade.bits()), shade.bytesPerLine() / 4);
  shade_ = shade;
}

void WorldMapWindow::FollowClock() {
  // After midnight GMT the point shown gets the sun times of the new day.
  if (SunDate() != shownDate_ && shownPoint_) ShowPointInfo(shownPoint_->x(), shownPoint_->y());
  if (!shade_.isNull()) {
    RenderNightShade();
    ComposeShown();
    update(kMapRect);
  }
}

void WorldMapWindow::ShowPointInfo(double latitude, double longitude) {
  shownDate_ = SunDate();
  shownPoint_ = QPointF(latitude, longitude);
  const SunTimes times = ComputeSunTimes(latitude, longitude, shownDate_);
  infoLabels_[kLabelLatitude]->setText(LatitudeCaption(latitude));
  infoLabels_[kLabelLongitude]->setText(LongitudeCaption(longitude));
  infoLabels_[kLabelSunrise]->setText(SunriseCaption(times.sunrise));
  infoLabels_[kLabelSunset]->setText(SunsetCaption(times.sunset));
  for (int i : {kLabelLatitude, kLabelLongitude, kLabelSunrise, kLabelSunset}) infoLabels_[i]->adjustSize();
}

bool WorldMapWindow::IsMapPress(QPoint at) const {
  if (!kMapRect.contains(at)) return false;
  // Captions and shapes let presses through to the window; a press on one of
  // them, or on a control, belongs to it rather than to the map below. The
  // point marker and the map labels are left out: the marker sits on the map,
  // and the labels keep their presses themselves.
  const QWidget* controls[] = {buttons_[kButtonDayNight],
                               buttons_[kButtonClear],
                               buttons_[kButtonClose],
                               buttons_[kButtonSunriseSunset],
                               buttons_[kButtonFind],
                               gmtBox_,
                               legendCaptions_[kLegendSunrise],
                               legendCaptions_[kLegendSunset],
                               legendLines_[kLegendSunrise],
                               legendLines_[kLegendSunset],
                               progressFrame_,
                               progressBar_,
                               legendPlate_,
                               sunDate_};
  for (const QWidget* w : controls)
    if (w->isVisible() && w->geometry().contains(at)) return false;
  for (const auto& [index, label] : infoLabels_)
    if (label->isVisible() && label->geometry().contains(at)) return false;
  return true;
}

void WorldMapWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!IsMapPress(at)) return;
  FocusMapAt(at);
  ReportPoint(event->position());
}

void WorldMapWindow::ReportPoint(QPointF position) {
  const QPoint at = position.toPoint();
  // The point is the middle of the screen pixel pressed, which the map
  // picture shows whole.
  const QPointF centre = position + QPointF(0.5, 0.5) / devicePixelRatioF();
  infoLabels_[kLabelLatitude]->setText(tr("Latitude "));
  infoLabels_[kLabelLongitude]->setText(tr("Longitude "));
  infoLabels_[kLabelSunrise]->setText(tr("Sunrise at "));
  infoLabels_[kLabelSunset]->setText(tr("Sunset at "));
  pointMarker_->move(at);
  pointMarker_->show();
  const LatLon p = PointToLatLon(centre.x() * kTwipsPerPixel, centre.y() * kTwipsPerPixel);
  ShowPointInfo(p.lat, p.lon);
}

void WorldMapWindow::ClearMap() {
  if (running_) return;
  EndStrokes();
  pendingStrokes_.clear();
  drawing_.fill(Qt::transparent);
  ComposeShown();
  TakeDrawn();
  update(kMapRect);
  for (auto& [index, label] : mapLabels_) delete label;
  mapLabels_.clear();
}

void WorldMapWindow::FindCountry() {
  if (running_) return;
  const std::optional<QString> reply = Prompts().Input(
      this, kAppTitle, tr("Enter the partial name of country to locate"), Shared().lastSearchText);
  const QString answer = reply.value_or(QString());
  Shared().lastSearchText = answer;
  if (answer.isEmpty()) return;
  int count = 0;
  QString previous;
  if (ClockWindow* clock = TheClock()) {
    const QString wanted = answer.toUpper();
    for (int i = 1; i <= kGridRows; ++i) {
      const QString name = LabelTextForName(clock->NameCaption(i));
      if (name.toUpper().contains(wanted) && name != previous) {
        ++count;
        previous = name;
        MarkCountry(i);
      }
    }
  }
  // Names found are news, not a fault.
  if (count > 0)
    Prompts().Inform(this, FindCountryMessage(count, answer));
  else
    Prompts().Message(this, FindCountryMessage(count, answer));
}

void WorldMapWindow::ClickMapLabel(int i) {
  QLabel* label = MapLabel(i);
  if (!label) return;
  const QString caption = label->text();
  if (caption.left(3) == QLatin1String("GMT")) return;
  const QString key = caption.left(10).toUpper();
  // An empty caption names no entry (every caption would contain it).
  if (key.isEmpty()) return;
  ClockWindow* clock = TheClock();
  if (!clock) return;
  for (int j = 1; j <= kGridRows; ++j) {
    if (clock->NameCaption(j).toUpper().contains(key)) {
      CountryInfo()->show();
      CountryInfo()->SetEntryText(QString::number(j));
      return;
    }
  }
}

bool WorldMapWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    if (auto* label = qobject_cast<QLabel*>(watched);
        label && MapLabelKey(label, *static_cast<QKeyEvent*>(event)))
      return true;
  }
  // A press on a map label belongs to the label: it must not reach the map
  // below, which would move the marker and rewrite the point information.
  if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
      qobject_cast<QLabel*>(watched))
    return true;
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* me = static_cast<QMouseEvent*>(event);
    auto* label = qobject_cast<QLabel*>(watched);
    if (label && me->button() == Qt::LeftButton && label->rect().contains(me->position().toPoint())) {
      if (label == mapLabelTemplate_) {
        ClickMapLabel(0);
        return true;
      }
      for (const auto& [index, l] : mapLabels_) {
        if (l == label) {
          ClickMapLabel(index);
          return true;
        }
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void WorldMapWindow::closeEvent(QCloseEvent* event) {
  // A command in the middle of its search stops at its next row.
  closing_ = true;
  QWidget::closeEvent(event);
}

void WorldMapWindow::SetProgress(double widthTwips) {
  progressBar_->resize(Px(widthTwips), progressBar_->height());
}

void WorldMapWindow::ShowProgress(bool visible) {
  progressFrame_->setVisible(visible);
  progressBar_->setVisible(visible);
}

void WorldMapWindow::RepaintMapLabels() {
  for (auto& [index, label] : mapLabels_) {
    label->raise();
    label->update();
  }
}

WorldMapWindow::RunEnd WorldMapWindow::RunPasses(int progressDivisor,
                                                 const std::function<void(const SunLineHit&)>& onHit,
                                                 QString& failure, std::optional<BusyPointer>& busy) {
  QPointer<WorldMapWindow> self(this);
  auto onRow = [this, self, progressDivisor, &busy, pacer = PaintPacer(this), frames = 0](int rows) mutable {
    // Once a display frame, only what the rows since the last frame changed
    // is repainted: the progress bar and the strips of the map drawn on. The
    // pending events processed next paint it and serve the user's input, so
    // the lines grow as fast as the screen can show them.
    if (!pacer.FrameDue()) return !closing_;
    // The first frame, at the run's first row, only serves the input waiting.
    // The busy pointer and the progress bar come with the next: a run that
    // ends within a frame changes no pointer and paints once, its result.
    if (++frames >= 2) {
      if (frames == 2) {
        busy.emplace(this);
        ShowProgress(true);
      }
      const QRect barBefore = progressBar_->geometry();
      SetProgress(kProgressFrameTwips * rows / progressDivisor);
      const QRegion changed = QRegion(barBefore) + progressBar_->geometry() + TakeDrawn();
      EndStrokes();
      update(changed);
    }
    QCoreApplication::processEvents();
    return !self.isNull() && !closing_;
  };
  SunLineState state;
  const SunLineResult r = RunSunLinePasses(SunDate(), state, onHit, onRow);
  if (self.isNull() || r.cancelled) return RunEnd::Closed;
  if (!r.ok) {
    failure = r.failure;
    return RunEnd::Failed;
  }
  SetProgress(kProgressFrameTwips * state.rowCount / progressDivisor);
  UpdateDrawn();  // the rows after the last frame
  return RunEnd::Done;
}

void WorldMapWindow::ShowDayNight() {
  if (running_ || closing_) return;
  QPointer<WorldMapWindow> self(this);
  std::optional<BusyPointer> busy;
  running_ = true;
  const QString gmtBefore = Shared().gmtTimeText;
  auto onHit = [this](const SunLineHit& h) {
    const QColor dotColour = h.pass == SunPass::Sunrise ? kWhite : PenColour();
    if (!h.joined) {
      DrawDot({h.x, h.y}, dotColour);
    } else {
      DrawLine({h.x, 0}, {h.x, h.y}, PenColour());
    }
  };
  QString failure;
  const RunEnd end = RunPasses(360, onHit, failure, busy);
  if (end == RunEnd::Closed && self.isNull()) return;
  running_ = false;
  if (end == RunEnd::Done) RepaintMapLabels();
  ShowProgress(false);
  if (end == RunEnd::Failed) {
    busy.reset();  // the normal pointer over the message
    Prompts().Message(this, tr("The GMT time \"%1\" is not a time of day, so the "
                               "day and night lines cannot be shown.")
                                .arg(gmtBefore));
  }
}

void WorldMapWindow::PlotSunriseSunset() {
  if (running_ || closing_) return;
  QPointer<WorldMapWindow> self(this);
  std::optional<BusyPointer> busy;
  running_ = true;
  Shared().gmtTimeText = gmtBox_->text();
  const QString boxText = gmtBox_->text();
  progressBar_->SetColour(kRed);
  // Each hit joins the one of the row before when it continues that line;
  // the time is written above the northern end of the sunrise line.
  QPointF previous;
  std::optional<double> tagX;
  auto onHit = [&, this](const SunLineHit& h) {
    const QColor colour = h.pass == SunPass::Sunrise ? kRed : kBlue;
    if (h.joined) {
      DrawLine(previous, {h.x, h.y}, colour);
    } else {
      DrawDot({h.x, h.y}, colour);
    }
    previous = {h.x, h.y};
    if (h.pass == SunPass::Sunrise) tagX = h.x;
  };
  QString failure;
  const RunEnd end = RunPasses(180, onHit, failure, busy);
  if (end == RunEnd::Closed && self.isNull()) return;
  running_ = false;
  if (end == RunEnd::Failed) {
    // The search leaves the GMT time text as the box gave it.
    busy.reset();  // the normal pointer over the message
    Prompts().Message(this, tr("The GMT box holds \"%1\", which is not a time of day. "
                               "Type a time such as 3:45 PM or 15:45.")
                                .arg(boxText));
    ShowProgress(false);
    return;
  }
  ShowProgress(false);
  if (end != RunEnd::Done) return;
  // The time the lines are for, in the drawing: it takes no input, and Clear
  // wipes it with the lines. A label of its own would cost the run a second
  // repaint and a round trip to the display for the pointer's place.
  if (tagX) {
    DrawTag(QStringLiteral("GMT: ") + boxText.toUpper(), QPoint(Px(*tagX), Px(50)));
    UpdateDrawn();
  }
  RepaintMapLabels();
}

}  // namespace zv
