#include "geometry/predicates.h"

#include <cmath>
#include <initializer_list>

namespace {

// a + b = *sum + *error exactly.
void twoSum(double a, double b, double* sum, double* error) {
  const double s = a + b;
  const double bPart = s - a;
  const double aPart = s - bPart;
  *sum = s;
  *error = (a - aPart) + (b - bPart);
}

// A sum of doubles held exactly, as components that do not overlap, smallest first.
class ExactSum {
 public:
  void add(double value) {
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
      double error = 0;
      twoSum(value, parts_[i], &value, &error);
      if (error != 0) parts_[kept++] = error;
    }
    parts_[kept++] = value;
    count_ = kept;
  }
  // Adds a * b, which is the rounded product and its rounding error.
  void addProduct(double a, double b) {
    const double product = a * b;
    add(std::fma(a, b, -product));
    add(product);
  }
  // The sign of the sum: that of its largest component.
  int sign() const {
    for (int i = count_ - 1; i >= 0; --i) {
      if (parts_[i] != 0) return parts_[i] > 0 ? 1 : -1;
    }
    return 0;
  }

 private:
  // The sum of 16 values (8 products, each as its rounded value and its error): adding a value
  // makes at most one component more.
  double parts_[16];
  int count_ = 0;
};

}  // namespace

int exactTurnSign(Vec o, Vec a, Vec b) {
  for (double v : {o.x, o.y, a.x, a.y, b.x, b.y}) {
    if (!std::isfinite(v)) return 0;
  }
  // (a - o) x (b - o), each difference exactly as a rounded value and its error.
  double ax[2], ay[2], bx[2], by[2];
  twoSum(a.x, -o.x, &ax[0], &ax[1]);
  twoSum(a.y, -o.y, &ay[0], &ay[1]);
  twoSum(b.x, -o.x, &bx[0], &bx[1]);
  twoSum(b.y, -o.y, &by[0], &by[1]);
  ExactSum cross;
  for (double p : ax) {
    for (double q : by) cross.addProduct(p, q);
  }
  for (double p : ay) {
    for (double q : bx) cross.addProduct(-p, q);
  }
  return cross.sign();
}
