#pragma once
// A widget that draws a form picture (boxes and captions on the print grid)
// scaled to its size, and keeps child widgets placed in their boxes as it is
// resized. The W-2 and W-3 screens put their entry fields on it.

#include <QWidget>
#include <vector>

#include "forms/FormGrid.h"

class TFormCanvas final : public QWidget {
  Q_OBJECT

 public:
  explicit TFormCanvas(FormPicture picture, QWidget* parent = nullptr);

  // Keeps `child` (a child of this canvas) in `rect` of the grid.
  void Place(QWidget* child, const GridRect& rect);
  // The widget rectangle of a grid rectangle at the current size.
  QRect ToWidget(const GridRect& rect) const;
  // Pixels per inch at the current size.
  double Scale() const;
  const FormPicture& Picture() const { return picture_; }

  QSize sizeHint() const override;
  // The size of the picture at `pixelsPerInch`.
  QSize SizeAt(double pixelsPerInch) const;
  // The largest size of the picture's proportions within `room`.
  QSize SizeToFit(const QSize& room) const;
  // The pixel size of the box captions at the current size: they grow with
  // the form and are never smaller than the desktop's small font, unless the
  // caption room is set and the small font would not fit in it.
  int CaptionPixelSize() const;
  // The room between a box's top edge and the fields in it, in grid lines.
  // Once set, a caption never reaches into its box's fields: its type is made
  // to fit that room, and a caption line stays one line (shrunk a little, then
  // cut short with an ellipsis) instead of wrapping onto the fields below.
  void SetCaptionRoom(double lines);
  // Each caption line stays one line, as with a caption room, but the type
  // keeps its size (captions that have a whole line of their own).
  void SetOneLineCaptions() { oneLineCaptions_ = true; }
  // The pixel size of the fields' type at the current size, with the same floor.
  int FieldPixelSize() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ScaleFieldFont();
  struct Placement {
    QWidget* child;
    GridRect rect;
    bool scaledFont = false;  // its font is the one this canvas gives it
  };
  void PlaceChildren();

  FormPicture picture_;
  std::vector<Placement> placements_;
  double captionRoomLines_ = 0;   // 0: no room to fit the type to
  bool oneLineCaptions_ = false;  // false: captions wrap within their boxes
};

// The pixel size of the desktop's small font.
int SmallFontPixelSize();

// The room the window frame (title bar and borders) takes around a screen.
inline constexpr int kFrameAllowanceWidth = 8;
inline constexpr int kFrameAllowanceHeight = 36;

// Sizes a form screen whose canvas fills the window to the largest size of
// the form's proportions that fits `workArea` with its frame, and centres it
// there. The window stays resizable.
void FitFormWindow(QWidget& window, const TFormCanvas& canvas, const QRect& workArea);
// The work area of the desktop the window is on.
QRect DesktopWorkArea(const QWidget& window);
