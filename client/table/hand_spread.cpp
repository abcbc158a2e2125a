#include "client/table/hand_spread.h"

#include <QtMath>
#include <algorithm>

#include "client/model/table_layout.h"

namespace tess::handSpread {

namespace {

constexpr int modelStep = layout::handLeft(2) - layout::handLeft(1);

// The widest step between neighbours that keeps `count` cards inside the row, never
// closer than the model's step nor further apart than side by side.
double widestStep(int count) {
    constexpr double sideBySide = layout::cardWidth + gap;
    if (count < 2) return sideBySide;
    const double fits = double(rowRight - rowLeft - layout::cardWidth) / (count - 1);
    return std::clamp(fits, double(modelStep), sideBySide);
}

}  // namespace

double amountAt(double scale) { return std::clamp((scale - 1) / (fullFrom - 1), 0.0, 1.0); }

std::vector<QRect> rects(const std::vector<HandCard>& cards, double amount) {
    const int count = static_cast<int>(cards.size());
    const double step = modelStep + (widestStep(count) - modelStep) * std::clamp(amount, 0.0, 1.0);
    std::vector<QRect> out;
    out.reserve(cards.size());
    for (int k = 1; k <= count; ++k) {
        const HandCard& card = cards[std::size_t(k - 1)];
        // What the model adds to its place's left edge (a sorted card stands 2 further
        // left) stays with the card.
        const int offset = card.left - layout::handLeft(k);
        const int left = rowLeft + qRound((k - 1) * step) + offset;
        out.emplace_back(left, card.top, layout::cardWidth, layout::cardHeight);
    }
    return out;
}

}  // namespace tess::handSpread
