#include "generate/grid.h"

namespace quadrelle::generate {

namespace {

PeerTable MakePeers()
{
    PeerTable peers {};
    for (int cell = 0; cell < 81; ++cell) {
        std::size_t count = 0;
        const int row = cell / 9, column = cell % 9;
        for (int other = 0; other < 81; ++other) {
            const int r = other / 9, c = other % 9;
            const bool sameBox = r / 3 == row / 3 && c / 3 == column / 3;
            if (other != cell && (r == row || c == column || sameBox))
                peers[static_cast<std::size_t>(cell)][count++] = static_cast<std::uint8_t>(other);
        }
    }
    return peers;
}

} // namespace

const PeerTable &Peers()
{
    static const PeerTable peers = MakePeers();
    return peers;
}

} // namespace quadrelle::generate
