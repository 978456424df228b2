// Exact sums of products of doubles, for the questions whose double values are too close to
// call: a sum held as components that do not overlap (Shewchuk's expansions), in fixed room.
#pragma once

#include <cmath>

// a + b = *sum + *error exactly.
inline void twoSum(double a, double b, double* sum, double* error) {
  const double s = a + b;
  const double bPart = s - a;
  const double aPart = s - bPart;
  *sum = s;
  *error = (a - aPart) + (b - bPart);
}

// A sum of doubles held exactly, smallest component first. Adding a value makes at most one
// component more, so room for N components holds the sum of any N values.
template <int N>
class Expansion {
 public:
  void add(double value) {
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
      double error = 0;
      twoSum(value, parts_[i], &value, &error);
      if (error != 0) parts_[kept++] = error;
    }
    if (value != 0 || kept == 0) parts_[kept++] = value;
    count_ = kept;
  }
  // Adds a * b, which is the rounded product and its rounding error (two values).
  void addProduct(double a, double b) {
    const double product = a * b;
    add(std::fma(a, b, -product));
    add(product);
  }
  // Adds e * factor (two values for each component of e).
  template <int M>
  void addScaled(const Expansion<M>& e, double factor) {
    for (int i = 0; i < e.count(); ++i) addProduct(e.part(i), factor);
  }
  // Adds (a[0] + a[1]) * e (four values for each component of e).
  template <int M>
  void addProductOf(const double a[2], const Expansion<M>& e) {
    addScaled(e, a[0]);
    addScaled(e, a[1]);
  }
  // The sign of the sum: that of its largest component.
  int sign() const {
    for (int i = count_ - 1; i >= 0; --i) {
      if (parts_[i] != 0) return parts_[i] > 0 ? 1 : -1;
    }
    return 0;
  }
  // The sum rounded, off by a few units in its last place at most.
  double estimate() const {
    double sum = 0;
    for (int i = 0; i < count_; ++i) sum += parts_[i];
    return sum;
  }
  int count() const { return count_; }
  double part(int i) const { return parts_[i]; }

 private:
  double parts_[N];
  int count_ = 0;
};

// The exact difference a - b as a rounded value and its error.
inline void exactDifference(double a, double b, double out[2]) {
  twoSum(a, -b, &out[0], &out[1]);
}

// The cross product u x v of two exact differences, exactly (16 values).
inline Expansion<16> exactCross(const double ux[2], const double uy[2], const double vx[2],
                                const double vy[2]) {
  Expansion<16> cross;
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      cross.addProduct(ux[i], vy[j]);
      cross.addProduct(-uy[i], vx[j]);
    }
  }
  return cross;
}
