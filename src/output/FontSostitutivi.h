#pragma once

// Makes the Windows font names of the suite's settings ("Courier New",
// "Times New Roman", "Arial") find the metric-compatible Liberation fonts
// when the machine lacks the originals, so that lines keep their width.
// Needs a running QGuiApplication; calling it again does nothing.
void PreparaFontSostitutivi();
