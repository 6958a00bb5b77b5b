#include "controls/ArrowShapes.h"

namespace pelorin {

namespace {
constexpr TArrowStep M(int x, int y) { return {true, {x, y}}; }
constexpr TArrowStep L(int x, int y) { return {false, {x, y}}; }

constexpr TArrowStep Up[] = {M(0, 0), L(0, -1), M(1, 1), L(4, 4), M(0, 1), L(3, 4), M(0, 2), L(2, 4),
                             M(-1, 1), L(-4, 4), M(0, 2), L(-3, 4), M(0, 1), L(-2, 4)};
constexpr TArrowStep Down[] = {M(0, 3), L(0, 4), M(1, 2), L(4, -1), M(0, 2), L(3, -1), M(0, 1), L(2, 0),
                               M(-1, 2), L(-4, -1), M(0, 2), L(-3, -1), M(0, 1), L(-2, 0)};
constexpr TArrowStep Left[] = {M(0, 0), L(1, 2), L(1, -2), L(-1, 0), L(1, 2)};
constexpr TArrowStep Right[] = {M(0, 0), L(-1, 2), L(-1, -2), L(1, 0), L(-1, 2)};
}  // namespace

std::span<const TArrowStep> ArrowPath(int direction) {
  switch (direction) {
    case adUp: return Up;
    case adDown: return Down;
    case adLeft: return Left;
    case adRight: return Right;
    default: return {};
  }
}

}  // namespace pelorin
