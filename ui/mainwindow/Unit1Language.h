#pragma once

class QMenu;

namespace kerolt {

class TForm1;

// SetUp's Language submenu: "Follow the desktop" and each language in its own words; the
// choice is saved and applies from the next start.
QMenu* AddLanguageMenu(TForm1& form, QMenu* setUp);

}  // namespace kerolt
