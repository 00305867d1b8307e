// Catching up on a store's late monthly bills.
#pragma once

namespace zelvo {

struct Zelvo;

// What catching up on the late bills came to, and the sum it was about.
struct CatchUp {
    bool paid;
    double due;  // the bills times the months late
};
// Pays every late month of store p's bills at once, when its cash covers them all.
CatchUp paylatebills(Zelvo& z, int p);

}  // namespace zelvo
