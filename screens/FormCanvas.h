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

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  struct Placement {
    QWidget* child;
    GridRect rect;
  };
  void PlaceChildren();

  FormPicture picture_;
  std::vector<Placement> placements_;
};
