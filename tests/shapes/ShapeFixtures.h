#pragma once
#include <memory>
#include <string>
#include <vector>

#include "shapes/DrawClass.h"
#include "tests/support/RoundTrip.h"

// Shapes built in memory for the tests.

// A 2 x 2 brick: top (face 0) at z 24, bottom (face 1) at z 0 and four sides,
// every octant drawing faces 0..5 in index order.
std::unique_ptr<TDrawClass> BrickShape();

// Lines of a part file holding one section.
std::vector<std::string> SectionLines(const std::string& name, const std::vector<std::string>& body);
