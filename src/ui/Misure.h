#pragma once

// Positions and sizes of windows and controls are given in twips, 1440 to
// the inch. They become the toolkit's pixels through the screen's logical
// resolution, so a layout keeps its proportions to the text on any screen.
constexpr int kTwipsPerPollice = 1440;

// Pixels for a length in twips, rounded to the nearest pixel.
int InPixel(int twips);
// Twips for a length in pixels.
int InTwips(int pixel);
