#include "country/CTY.h"

namespace kerolt {

CountryTable::CountryTable() = default;

CountryTable LoadCountryTable(const std::string&) { return CountryTable(); }

}  // namespace kerolt
