// The demand wheels. Angles are in degrees and turned into radians with 3.14, not pi: the
// small residues at 180 and 360 degrees are part of how values move.
#include "market/wheels.h"

#include <cmath>

#include "core/numbers.h"
#include "core/zelvo.h"

namespace zelvo {

namespace {

double height(const Item& item, int w) {
    return item.wheelcenter[w] + item.wheelsize[w] * std::sin(item.wheelangle[w] * 3.14 / 180);
}

double sumwheels(const Item& item, int wheels) {
    double sum = 0;
    for (int w = 0; w < wheels; ++w) sum += height(item, w);
    return sum;
}

int newsize(Zelvo& z, const Item& item) {
    return static_cast<int>(Int(item.baseprice * 1.5 * z.rng.draw()) + 1);
}

}  // namespace

int readwheel(const Zelvo& z, int item) {
    return static_cast<int>(Fix(sumwheels(z.s.item[item], kWheels) / 5));
}

double estimatefourwheels(const Zelvo& z, int item) {
    return Fix(sumwheels(z.s.item[item], 4) / 4);
}

double estimatevalue(const Zelvo& z, int item) {
    double estimate = estimatefourwheels(z, item);
    return estimate < 0.25 ? 0.25 : estimate;
}

double adviceestimate(Zelvo& z, int item) {
    const int left = static_cast<int>(Int(z.rng.draw() * kWheels));
    double sum = 0;
    for (int w = 0; w < kWheels; ++w)
        if (w != left) sum += height(z.s.item[item], w);
    return Fix(sum / 4);
}

void spinwheel(Zelvo& z, int item) {
    Item& it = z.s.item[item];
    const int w = static_cast<int>(Int(z.rng.draw() * 5));
    int& angle = it.wheelangle[w];
    angle += 10;
    if (angle >= 360) angle -= 360;
    if (angle == 0 || angle == 180) {
        it.wheelsize[w] = newsize(z, it);
        angle += static_cast<int>(Int(z.rng.draw() * 2)) * 180;
    }
}

void initwheels(Zelvo& z, int item) {
    Item& it = z.s.item[item];
    const double base = it.baseprice;
    for (int w = 0; w < kWheels; ++w) {
        it.wheelsize[w] = newsize(z, it);
        it.wheelcenter[w] = Int(base * z.rng.draw()) + (w + 1) * (base / 5);
        it.wheelangle[w] = static_cast<int>(Int(z.rng.draw() * 35)) * 10;
    }
}

}  // namespace zelvo
