#pragma once
// The world map window: the world map picture with its marks, the
// point information, the day/night strokes, the sunrise/sunset plot and the
// live night shade.

#include <QDate>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <array>
#include <map>
#include <optional>
#include <vector>

#include "common/gui/widgetutils.h"
#include "worldmap/sunline.h"

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QTimer;
class QPushButton;

namespace zv {

class MapSurface;

// The logical pixels that a stroke of the map (a pen two pixels wide with
// square ends, drawn without smoothing) from one point to another may
// touch at a device pixel ratio.
QRect StrokeReach(QPointF from, QPointF to, qreal ratio);

// A stroke drawn on the map, kept to be drawn again on another picture of
// it: a filled rectangle, a line, or a time written on a plate, in logical
// pixels.
struct MapStroke {
  enum class Kind { Fill, Line, Tag };
  Kind kind;
  QRgb colour = 0;  // of a rectangle or a line
  QLineF corners;   // a rectangle's or a plate's opposite corners, or a line's ends
  QString text;     // of a tag
};

// A painter on one of the map's pictures. It remembers the strokes' pen it
// set, so that a run of strokes in one colour sets the pen once.
struct StrokePainter {
  explicit StrokePainter(QImage* target) : picture(target), painter(target) {}
  QImage* picture;
  QPainter painter;
  std::optional<QRgb> penColour;  // none before the strokes' pen, or after another
};

// A filled or outlined rectangle, or a straight line, drawn by itself. Mouse
// presses pass through to the window below.
class ShapeWidget : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { Filled, Outline, HorizontalLine };
  ShapeWidget(Kind kind, const QColor& colour, QWidget* parent);
  void SetColour(const QColor& colour);
  QColor Colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  QColor colour_;
};

// A map label: yellow text on a dark plate, so that it reads over every
// colour of the map, the strokes and the night shade alike.
class PlateLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class WorldMapWindow : public QWidget {
  Q_OBJECT
 public:
  // The designed indices of the five buttons.
  enum Button : int {
    kButtonDayNight = 1,
    kButtonClear = 2,
    kButtonClose = 3,
    kButtonSunriseSunset = 4,
    kButtonFind = 5,
  };
  // The designed indices of the information labels: GMT and the four captions of
  // the point shown.
  enum InfoLabel : int {
    kLabelGmt = 0,
    kLabelSunset = 2,
    kLabelSunrise = 3,
    kLabelLongitude = 4,
    kLabelLatitude = 5,
  };
  // The two legend captions and their lines.
  enum Legend : int { kLegendSunrise = 0, kLegendSunset = 1 };

  explicit WorldMapWindow(QWidget* parent = nullptr);
  ~WorldMapWindow() override;

  // Marks entry n of the working copy: a cross and a label with its name.
  void MarkCountry(int n);
  // The cross and the new name label for a point.
  void MarkPoint(double lat, double lon, const QString& entryName);
  // Shows the coordinates and GMT sun times of a point in the four labels.
  void ShowPointInfo(double latitude, double longitude);

  // The commands, as their buttons run them.
  void ShowDayNight();
  void ClearMap();
  void PlotSunriseSunset();
  void FindCountry();

  QPushButton* DayNightButton() const { return buttons_[kButtonDayNight]; }
  QPushButton* ClearButton() const { return buttons_[kButtonClear]; }
  QPushButton* CloseButton() const { return buttons_[kButtonClose]; }
  QPushButton* SunriseSunsetButton() const { return buttons_[kButtonSunriseSunset]; }
  QPushButton* FindButton() const { return buttons_[kButtonFind]; }
  QLineEdit* GmtBox() const { return gmtBox_; }
  QLabel* InfoLabelAt(int i) const;  // an InfoLabel: 0, 2, 3, 4, 5
  QLabel* LegendCaption(int i) const { return legendCaptions_.at(i); }
  ShapeWidget* ProgressFrame() const { return progressFrame_; }
  ShapeWidget* ProgressBar() const { return progressBar_; }
  ShapeWidget* PointMarker() const { return pointMarker_; }
  ShapeWidget* LegendPlate() const { return legendPlate_; }
  ShapeWidget* LegendLine(int i) const { return legendLines_.at(i); }
  QLabel* MapLabel(int i) const;  // nullptr for an index not in use
  QCheckBox* NightBox() const { return nightBox_; }
  int HighestLabelIndex() const { return mapLabels_.empty() ? 0 : mapLabels_.rbegin()->first; }
  // The strokes alone on a transparent surface (every stroke drawn so far)
  // and the map picture, both at the screen's pixel density: 720 x 320
  // pixels at ratio 1, 1440 x 640 at ratio 2.
  const QImage& Drawing();
  const QImage& MapPicture() const { return map_; }
  // Whether a press at this point of the window is a press on the map itself
  // (not on a caption or control, nor the strip below the map).
  bool IsMapPress(QPoint at) const;
  // Clicks map label i as the user would.
  void ClickMapLabel(int i);
  // The map as a control of its own: it takes the focus, and the arrow keys
  // move a cross over it that Enter reports as a press there does.
  QWidget* MapArea() const;
  // Shows the point information of a press at this position of the map
  // (logical pixels) and moves the point marker there.
  void ReportPoint(QPointF at);
  // The date of the sun figures and the night shade brought to the clock's
  // present moment, as the window does every minute.
  void FollowClock();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* NewMapLabel();
  // Names, buddies, tab order and the map's keyboard control.
  void SetUpAccess();
  // Enter or Space on a name label opens its entry, as a press does.
  bool MapLabelKey(QLabel* label, const QKeyEvent& key);
  // A name label takes the focus after the map and the labels before it.
  void MakeFocusable(QLabel* label);
  // A press on the map gives it the focus and brings the cross there.
  void FocusMapAt(QPoint at);
  // Makes the map picture and the drawing surface match the window's device
  // pixel ratio, carrying over what is drawn.
  void MatchSurfaceToScreen();
  // Schedules a repaint of the part of the map drawn on since the last one.
  void UpdateDrawn();
  // The painter on the map as shown, begun by the first stroke after a
  // repaint and ended before the next: a run draws hundreds of strokes, and
  // beginning a painter for each cost more than the stroke itself.
  StrokePainter& Strokes();
  void EndStrokes();
  void DrawLine(QPointF fromTwips, QPointF toTwips, const QColor& colour);
  void DrawDot(QPointF atTwips, const QColor& colour);
  // Writes text on a plate like the map labels', its top left corner at a
  // point in logical pixels, moved left as far as it needs to end on the map.
  void DrawTag(const QString& text, QPoint topLeft);
  // Fills a rectangle (logical pixels) with a stroke's colour.
  void FillStroke(const QRectF& area, const QColor& colour);
  // Keeps a stroke just drawn on the map as shown for the drawing.
  void AddStroke(MapStroke stroke);
  // Draws on the drawing the strokes that only the map as shown has yet.
  void BringDrawingUpToDate();
  // Composes the map as shown from the picture, the shade and the drawing.
  void ComposeShown();
  QColor PenColour() const;
  void SetProgress(double widthTwips);
  void ShowProgress(bool visible);
  void RepaintMapLabels();
  // Today's date in GMT by the clock, shown under the map.
  QDate SunDate();
  void SetNight(bool on);
  void RenderNightShade();
  // Runs the two passes of a sun line command; false when the window closed
  // or the search failed (failure then holds the message). A run that lasts
  // longer than a frame shows the busy pointer (held in busy) and the
  // progress bar.
  enum class RunEnd { Done, Failed, Closed };
  RunEnd RunPasses(int progressDivisor, const std::function<void(const SunLineHit&)>& onHit, QString& failure,
                   std::optional<BusyPointer>& busy);

  std::array<QPushButton*, kButtonFind + 1> buttons_{};  // 1 .. 5
  QLineEdit* gmtBox_ = nullptr;
  std::map<int, QLabel*> infoLabels_;
  std::array<QLabel*, 2> legendCaptions_{};
  ShapeWidget* progressFrame_ = nullptr;
  ShapeWidget* progressBar_ = nullptr;
  ShapeWidget* pointMarker_ = nullptr;
  ShapeWidget* legendPlate_ = nullptr;
  std::array<ShapeWidget*, 2> legendLines_{};
  std::map<int, QLabel*> mapLabels_;  // the name labels 1 .. highest; 0 is the template
  QLabel* mapLabelTemplate_ = nullptr;
  MapSurface* mapSurface_ = nullptr;
  QImage map_;
  // The map as the window shows it, at the surface's density: the picture
  // and the shade composed, with the strokes drawn over them. A repaint
  // copies from it.
  QImage shown_;
  // The strokes alone, on a transparent surface, to compose the map as shown
  // again when the shade changes. A stroke reaches it only then, or when
  // many wait: until then it waits in pendingStrokes_, so that a run draws
  // each stroke once.
  QImage drawing_;
  std::vector<MapStroke> pendingStrokes_;
  QImage shade_;                              // the night shade at the surface's density; null when off
  std::optional<StrokePainter> strokes_;      // on shown_, while a stroke is drawn
  std::optional<QFontMetrics> labelMetrics_;  // of the map labels' font
  QCheckBox* nightBox_ = nullptr;
  QLabel* sunDate_ = nullptr;
  QTimer* minuteTimer_ = nullptr;
  QDate shownDate_;                    // of the sun figures shown
  std::optional<QPointF> shownPoint_;  // latitude, longitude of the point shown
  qreal surfaceRatio_ = 0;             // device pixel ratio of shown_, drawing_ and shade_
  // The logical pixels drawn on since the last repaint: in each cell of a
  // grid over the map (bands across, columns down), the span of pixel
  // columns drawn on. A repaint takes the spans at their bands' full height:
  // a thin line is repainted with little around it in few rectangles, and
  // the controls over the map's lower left are not repainted for strokes
  // that pass above or beside them.
  static constexpr int kDrawnBands = 8;
  static constexpr int kDrawnColumns = 8;
  struct DrawnSpan {
    int left = 0;
    int right = -1;
    bool IsEmpty() const { return right < left; }
  };
  std::array<DrawnSpan, kDrawnBands * kDrawnColumns> drawn_{};
  void AddDrawn(const QRect& area);
  QRegion TakeDrawn();
  bool running_ = false;
  bool closing_ = false;
};

}  // namespace zv
