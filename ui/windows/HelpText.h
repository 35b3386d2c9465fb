#pragma once

#include <QString>

namespace kerolt {

// The fixed how-to text of the help window.
QString HelpText();

}  // namespace kerolt
