// The form canvas behind the W-2 and W-3 screens.

#include <gtest/gtest.h>

#include "screens/FormCanvas.h"
#include "screens/W2ScreenLayout.h"

namespace {

// On the canvas the fields keep their grid places at any size.
TEST(FormCanvas, TheCanvasPlacesAFieldAtItsPrintPosition) {
  TFormCanvas canvas(W2FormPicture());
  // 8.3 x 5 inches at 100 pixels to the inch.
  canvas.resize(830, 500);
  // Column 47, line 3: 4.6 inches across, 1/3 inch down.
  EXPECT_EQ(canvas.ToWidget(W2FieldRect("EditWages")).topLeft(), QPoint(460, 33));
  // Column 2, line 24 (box 15, line 2): 0.1 inch across, 3 5/6 inches down.
  EXPECT_EQ(canvas.ToWidget(W2FieldRect("ComboBoxST2State")).topLeft(), QPoint(10, 383));
  canvas.resize(1660, 1000);
  EXPECT_EQ(canvas.ToWidget(W2FieldRect("EditWages")).topLeft(), QPoint(920, 67));
  // The whole picture fits the canvas.
  EXPECT_EQ(canvas.ToWidget(GridRect{1, 1, W2FormPicture().cols, W2FormPicture().lines}),
            QRect(0, 0, 1660, 1000));
}

}  // namespace
