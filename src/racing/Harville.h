#pragma once

#include <span>

namespace kagiroi {

// Order chances by the Harville rule: a horse wins with its win chance, and each later place
// goes to one of the horses left in proportion to its win chance among them. `win` is indexed
// by horse number (element 0 unused); horses outside it, repeated horses or a field whose
// chances leave nothing for the later places give 0.

// a first, b second.
double HarvilleFirstTwo(std::span<const double> win, int a, int b);
// a, b, c in this order: p(a) · p(b)/(1 − p(a)) · p(c)/(1 − p(a) − p(b)).
double HarvilleFirstThree(std::span<const double> win, int a, int b, int c);
// a, b and c the first three in any order: the sum of the six orders.
double HarvilleTrio(std::span<const double> win, int a, int b, int c);

}  // namespace kagiroi
