// Deeper perft counts (CTest label "slow"): run with QUARVEL_SLOW=1 ./test.sh.
#include "engine/perft.h"
#include "tests/engine/perft_cases.h"

namespace engine::testing {
namespace {

TEST(EnginePerftSlow, DeepCountsMatch)
{
    const PerftCase cases[] = {
        {StartFen, 5, 4865609},
        {StartFen, 6, 119060324},
        {Kiwipete, 4, 4085603},
        {PerftEndgame, 6, 11030083},
        {PerftPromotions, 5, 15833292},
        {PerftDiscoveries, 4, 2103487},
        {PerftMiddlegame, 4, 3894594},
    };
    ExpectPerftCounts(cases, SetBoardFromFen, Perft);
}

} // namespace
} // namespace engine::testing
