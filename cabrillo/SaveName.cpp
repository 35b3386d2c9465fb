#include "cabrillo/SaveName.h"

#include <algorithm>

namespace kerolt {

std::string ProposedLogName(std::string_view call) {
    std::string name(call);
    std::replace(name.begin(), name.end(), '/', '-');
    return name + ".log";
}

std::string SaveCommandLogName(std::string_view call) {
    return call.size() > 2 ? ProposedLogName(call) : std::string();
}

}  // namespace kerolt
