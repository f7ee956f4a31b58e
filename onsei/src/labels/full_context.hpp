#pragma once

#include <string>
#include <vector>

#include "onsei/utterance.hpp"

namespace onsei {

// HTS full-context labels of the Japanese voices, one per phoneme, "sil" at
// both ends and "pau" between breath groups:
//   p1^p2-p3+p4=p5/A:../B:../C:../D:../E:../F:../G:../H:../I:../J:../K:..
// A: mora position against the accent nucleus and in the accent phrase;
// B, C, D: parts of speech of the previous, current and next word;
// E, F, G: previous, current and next accent phrase; H, I, J: previous,
// current and next breath group; K: the utterance. "xx" where a context does
// not exist. An empty utterance gives the labels of a short silence.
std::vector<std::string> MakeLabels(const Utterance& utterance);

}  // namespace onsei
