#pragma once

// Edit fields of the window that share a behaviour.

class QLineEdit;
class QObject;

namespace kerolt {

// A callsign field: every letter typed, pasted or set is upper case.
QLineEdit* UpperCaseEdit(QObject* owner);

}  // namespace kerolt
