#pragma once
#include <memory>

#include "model/Block.h"

// An empty piece (every field 0) of the class that a type letter names, as the
// model reader makes them: C, D, E, G, I, N, O, R, T and W have classes of
// their own, every other letter makes a box piece. BlockType is the letter
// (a blank or a control character becomes 'B').
std::unique_ptr<TBlock> CreateEmptyBlock(char letter);
