#pragma once

// The ADIF .adi form: fields "<NAME:length>data" whose length counts bytes, an optional
// header closed by <EOH>, records closed by <EOR>; and the contest bands by their ADIF names.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Message.h"
#include "common/MessageLines.h"
#include "contest/ContestRules.h"

namespace kerolt {

// Fields as they stand in the file, names in upper case.
using AdifRecord = std::vector<std::pair<std::string, std::string>>;

struct AdifDocument {
    AdifRecord Header;
    std::vector<AdifRecord> Records;
};

// The data of the first field of that name (upper case); empty when the record has none.
std::string_view FieldOf(const AdifRecord& record, std::string_view name);

// A text from the file as a message quotes it: at most most characters, "..." after a cut.
std::string ShownText(std::string_view text, std::size_t most = 20);

// "<NAME:n>data" with n the data's length in bytes.
std::string AdifField(std::string_view name, std::string_view data);

// Header optional, names in any case, data of any bytes; text between fields is skipped.
// All or nothing: raises "%s is not an ADIF file" (no field at all, or NUL bytes), and
// "%s: line %d: ..." for a tag that is not closed or has no length, a field that runs past the
// end, a second header, or a last record without <EOR>.
AdifDocument ReadAdif(std::string_view text, std::string_view fileName);

// The contest band of an ADIF band name ("20m", any case), NoBand for any other.
BandIndex BandFromAdifName(std::string_view name);

}  // namespace kerolt
