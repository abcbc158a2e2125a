// The tally file codec on 1 MB of tally-like text, against zlib level 1 on the same
// text in the same run: the median of rounds, and both output sizes.
#include <QByteArray>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "records/tally_file.h"

namespace {

std::string tallyLikeText(std::size_t size) {
    std::mt19937 random(1);
    tess::TallyTable table = tess::TallyTable::initial();
    for (std::size_t row = 0; tess::tallyTableText(table).size() < size; row += 1000) {
        for (int i = 0; i < 1000; ++i) {
            tess::TallyTable::Row r;
            r[0] = "Player" + std::to_string(random() % 50000);
            const unsigned games = random() % 2000;
            r[1] = std::to_string(games);
            for (int c = 2; c <= 4; ++c)
                r[c] = std::to_string(games == 0 ? 0 : random() % (games / 2 + 1));
            const unsigned session = random() % 20;
            r[5] = std::to_string(session);
            for (int c = 6; c <= 8; ++c)
                r[c] = std::to_string(session == 0 ? 0 : random() % (session / 2 + 1));
            table.rows.push_back(r);
        }
    }
    std::string text = tess::tallyTableText(table);
    text.resize(size);
    return text;
}

// MB/s, the median of several rounds, each long enough to time well.
double megabytesPerSecond(std::size_t bytes, const std::function<void()>& work) {
    QElapsedTimer timer;
    std::vector<double> rounds;
    for (int round = 0; round < 7; ++round) {
        int runs = 0;
        timer.start();
        do {
            work();
            ++runs;
        } while (timer.nsecsElapsed() < 150'000'000);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        rounds.push_back(static_cast<double>(bytes) * runs / 1e6 / seconds);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

}  // namespace

int main() {
    const std::string text = tallyLikeText(1'000'000);
    const QByteArray bytes = QByteArray::fromStdString(text);

    std::string file;
    const double compress =
        megabytesPerSecond(text.size(), [&] { file = tess::compressTallyContent(text); });
    QByteArray zipped;
    const double zlibCompress =
        megabytesPerSecond(text.size(), [&] { zipped = qCompress(bytes, 1); });

    bool same = true;
    const double decompress = megabytesPerSecond(text.size(), [&] {
        same = same && tess::decompressTallyContent(file).value->size() == text.size();
    });
    const double zlibDecompress =
        megabytesPerSecond(text.size(), [&] { same = same && qUncompress(zipped) == bytes; });
    if (!same || tess::decompressTallyContent(file).value != text) {
        std::fprintf(stderr, "tally codec: round trip failed\n");
        return 1;
    }

    std::printf("tally_compress_mb_s: %.1f MB/s\n", compress);
    std::printf("tally_compress_zlib1_mb_s: %.1f MB/s\n", zlibCompress);
    std::printf("tally_decompress_mb_s: %.1f MB/s\n", decompress);
    std::printf("tally_decompress_zlib1_mb_s: %.1f MB/s\n", zlibDecompress);
    std::printf("tally_compressed_bytes: %zu bytes (of %zu)\n", file.size(), text.size());
    std::printf("tally_zlib1_compressed_bytes: %lld bytes\n",
                static_cast<long long>(zipped.size()));
    return 0;
}
