#pragma once

// The fonts the windows ask for by name. The free fonts installed by the setup stand in for
// them with the same metrics, so fixed-pitch columns line up.

#include <QFont>

class QLabel;

namespace kerolt {

// Registers the stand-ins for "Courier New", "Arial", "Comic Sans MS" and "Terminal".
void RegisterFontSubstitutes();

// A font by family name and character height in pixels.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

// The largest pixel size from largest down to smallest at which the label's text, word-wrapped,
// fits the room the label has; the smallest when none does.
void FitLabelFont(QLabel* label, int largest, int smallest);

// The small fixed-pitch font of the station page's labels.
QFont TerminalFont();

}  // namespace kerolt
