// The index against the literal walk, on the packaged country file and real contest calls.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "common/TextFile.h"
#include "country/CTY.h"
#include "tests/support/CountryLines.h"
#include "tests/support/PackagedData.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KEROLT_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KEROLT_SANITIZED 1
#endif

namespace kerolt {
namespace {

// A walk per call over the whole list is slow under the sanitizers, which are there for
// memory faults; a sample of the calls serves them.
#ifdef KEROLT_SANITIZED
constexpr std::size_t Stride = 29;
#else
constexpr std::size_t Stride = 1;
#endif

using test::PackagedCountryTable;

// Every call of the callsign list, then every prefix text of the packaged file as a call.
const std::vector<std::string>& Calls() {
    static const std::vector<std::string> calls = [] {
        std::vector<std::string> result = test::MasterCalls();
        for (const auto& e : PackagedCountryTable().Prefixes()) {
            if (!e.Text.empty())
                result.push_back(e.Text);
        }
        return result;
    }();
    return calls;
}

// The packaged prefix list shuffled, every owner kept; one entry in five appears a second
// time under another entity, one such copy in three as the other kind (plain or whole call),
// so that equal texts tie across entities and kinds in every order.
std::vector<std::string> ShuffledLines(const CountryTable& table) {
    std::vector<PrefixEntry> entries(table.Prefixes().begin(),
                                     table.Prefixes().begin() + table.PrefixCount());
    std::mt19937 rng(20240521);
    const auto entityCount = static_cast<std::int32_t>(table.Entities().size() - 1);
    const std::size_t loaded = entries.size();
    for (std::size_t i = 0; i < loaded; i += 5) {
        PrefixEntry copy = entries[i];
        copy.Entity = static_cast<std::int32_t>(rng() % static_cast<unsigned>(entityCount));
        if (i % 3 == 0 && copy.Text.size() <= 10)
            copy.WholeCall = !copy.WholeCall;
        entries.push_back(copy);
    }
    std::shuffle(entries.begin(), entries.end(), rng);

    std::vector<std::string> lines;
    std::int32_t owner = -1;
    for (const auto& e : entries) {
        if (e.Entity != owner) {
            if (owner >= 0)
                lines.back().back() = ';';
            owner = e.Entity;
            const EntityRecord& r = table.Entities()[static_cast<std::size_t>(owner)];
            lines.push_back(test::EntityLine(r.Name, r.Continent, r.PrimaryPrefix));
            lines.push_back("    ");
        }
        lines.back() += (e.WholeCall ? "=" : "") + e.Text + ",";
    }
    lines.back().back() = ';';
    return lines;
}

// Index and walk must find the very same entity record, not merely an equal one.
void ExpectAgreement(const CountryTable& table, bool portable) {
    std::size_t mismatches = 0;
    const auto& calls = Calls();
    for (std::size_t i = 0; i < calls.size(); i += Stride) {
        std::string call = calls[i];
        if (portable) {
            call.push_back('/');
            call.push_back(static_cast<char>('0' + i % 10));
        }
        const std::string c = NormalizePortableCall(call);
        if (&table.Find(c) != &table.FindByWalk(c) && ++mismatches <= 10)
            ADD_FAILURE() << call;
    }
    EXPECT_EQ(mismatches, 0u);
}

// Each test needs the packaged data.
class CountryAgreement : public ::testing::Test {
  protected:
    void SetUp() override { KEROLT_SKIP_WITHOUT_PACKAGED_DATA(); }
};

TEST_F(CountryAgreement, PackagedFileLoadsEveryEntityAndToken) {
    std::int32_t entities = 0;
    std::int32_t tokens = 0;
    bool marked = false;
    for (const auto& line : ReadLines(test::PackagedCountryFile)) {
        if (line.empty())
            continue;
        if (line[0] != ' ') {
            marked = line.size() > 69 && line.find('*', 69) < 72;
            entities += marked ? 0 : 1;
        } else if (!marked) {
            tokens += static_cast<std::int32_t>(std::count(line.begin(), line.end(), ',') +
                                                std::count(line.begin(), line.end(), ';'));
        }
    }
    const CountryTable& table = PackagedCountryTable();
    EXPECT_GT(entities, 300);
    EXPECT_EQ(static_cast<std::int32_t>(table.Entities().size()) - 1, entities);
    EXPECT_EQ(table.PrefixCount(), tokens);
    for (std::size_t i = 0; i + 1 < table.Entities().size(); ++i) {
        const EntityRecord& e = table.Entities()[i];
        EXPECT_FALSE(e.PrimaryPrefix.empty() || e.Name.empty()) << i;
        EXPECT_EQ(e.Continent.size(), 2u) << e.Name;
    }
}

TEST_F(CountryAgreement, IndexEqualsWalkOnPackagedFile) {
    ExpectAgreement(PackagedCountryTable(), false);
}

TEST_F(CountryAgreement, IndexEqualsWalkOnPackagedFilePortable) {
    ExpectAgreement(PackagedCountryTable(), true);
}

TEST_F(CountryAgreement, IndexEqualsWalkOnShuffledList) {
    ExpectAgreement(CountryTable::FromLines(ShuffledLines(PackagedCountryTable())), false);
}

TEST_F(CountryAgreement, IndexEqualsWalkOnShuffledListPortable) {
    ExpectAgreement(CountryTable::FromLines(ShuffledLines(PackagedCountryTable())), true);
}

}  // namespace
}  // namespace kerolt
