// The progress dialog's owner-drawn bar.
#ifndef KESTRUNE_WINDOWS_PROGRESSBAR_H
#define KESTRUNE_WINDOWS_PROGRESSBAR_H

#include <windows.h>

namespace progress_bar {

constexpr COLORREF kFrameColour = RGB(0, 0, 0);
constexpr COLORREF kDoneColour = RGB(24, 73, 157);
constexpr COLORREF kRestColour = RGB(255, 255, 255);

// Where the done part ends inside [innerLeft, innerRight): the product first, then
// the division, truncated. Percentages outside 0 to 100 count as the nearer end, so
// nothing is drawn outside the bar.
int Split(int innerLeft, int innerRight, int percent);

// A one-pixel black frame round outer, the done part, the rest white; each brush
// made for its use and deleted right after.
void Draw(HDC dc, const RECT& outer, int percent);

}  // namespace progress_bar

#endif
