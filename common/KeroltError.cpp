#include "common/KeroltError.h"

namespace kerolt {

void ThrowNotAnInteger(std::string_view text) {
    throw KeroltError({KT("Files", "'%1' is not a valid integer value"), {std::string(text)}});
}

void ThrowCannotOpen(std::string_view fileName) {
    throw KeroltError({KT("Files", "Cannot open file %1"), {std::string(fileName)}});
}

void ThrowCannotCreate(std::string_view fileName) {
    throw KeroltError({KT("Files", "Cannot create file %1"), {std::string(fileName)}});
}

}  // namespace kerolt
