#include "common/KeroltError.h"

namespace kerolt {

void ThrowNotAnInteger(std::string_view text) {
    throw KeroltError("'" + std::string(text) + "' is not a valid integer value");
}

void ThrowCannotOpen(std::string_view fileName) {
    throw KeroltError("Cannot open file " + std::string(fileName));
}

void ThrowCannotCreate(std::string_view fileName) {
    throw KeroltError("Cannot create file " + std::string(fileName));
}

}  // namespace kerolt
