#pragma once
// Plays a transition from one image to another on a canvas, frame by frame, for the animation's
// Time; returns when it is over. On a window's canvas each frame is shown as it is drawn.
class TCanvas;
class TteAnimationRec;
class TteBitmap;

// Both bitmaps have the same size and are changed: 'to' serves as scratch, 'from' ends as the
// last picture. Missing or empty bitmaps, or an unknown effect, draw nothing.
void RunTransitionEffect(TCanvas& canvas, int x, int y, TteBitmap* from, TteBitmap* to,
                         const TteAnimationRec& animation);
