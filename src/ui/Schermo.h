#pragma once

// The screen the windows appear on, measured in twips.
namespace Schermo {
int Width();
int Height();
} // namespace Schermo
