#include "ProgressBar.h"

namespace progress_bar {

int Split(int innerLeft, int innerRight, int percent) {
  const int shown = percent < 0 ? 0 : percent > 100 ? 100 : percent;
  const int width = innerRight > innerLeft ? innerRight - innerLeft : 0;
  return innerLeft + width * shown / 100;
}

namespace {
void Fill(HDC dc, const RECT& area, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush == nullptr) return;
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}
}  // namespace

void Draw(HDC dc, const RECT& outer, int percent) {
  RECT inner = outer;
  InflateRect(&inner, -1, -1);
  const int split = Split(inner.left, inner.right, percent);

  HBRUSH frame = CreateSolidBrush(kFrameColour);
  if (frame != nullptr) {
    FrameRect(dc, &outer, frame);
    DeleteObject(frame);
  }
  if (split - inner.left > 0) Fill(dc, RECT{inner.left, inner.top, split, inner.bottom}, kDoneColour);
  if (inner.right - split > 0) Fill(dc, RECT{split, inner.top, inner.right, inner.bottom}, kRestColour);
}

}  // namespace progress_bar
