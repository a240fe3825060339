// The scale of the window as the room for it allows: pure functions of
// sizes, for the view that knows the screen and the window's frame.
#pragma once

namespace tessora {

// The steps of Ctrl+plus and Ctrl+minus, in percent.
inline constexpr int kZoomSteps[] = {50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};

// The largest scale (percent, from minPercent to maxPercent) at which a
// window of `widthTwips` x `heightTwips` (15 twips a pixel at 100 %), with
// `extraHeightPx` pixels more at 100 % (its menu bar) growing with it, fits in
// `roomWidthPx` x `roomHeightPx`. minPercent when even that does not fit.
int FitZoom(int roomWidthPx, int roomHeightPx, int widthTwips, int heightTwips, int extraHeightPx, int minPercent,
            int maxPercent);

// The scale a run starts at: the one remembered from an earlier run
// (`remembered` > 0), at a first start 100 %; made smaller, if need be, for
// the window with its frame to fit in the screen's free area.
int StartZoom(int remembered, int roomWidthPx, int roomHeightPx, int widthTwips, int heightTwips, int extraHeightPx,
              int frameWidthPx, int frameHeightPx);

}  // namespace tessora
