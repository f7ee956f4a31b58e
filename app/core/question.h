#pragma once

#include <string>
#include <vector>

#include "core/drill_mode.h"
#include "core/said.h"

namespace ruzdo {

// A plate's answer: its number (a plate of the numbers mode) and its caption.
struct PlateAnswer {
  int number = -1;
  std::string caption;  // UTF-8
};

// One question of a drill, whatever it asks: a number of the range, one of
// the sequences its plates are given, and (with lessons) an item among the
// candidates its plates show. It is drawn before it is asked, with what is
// said for it, so that its sound can be made ahead.
struct Question {
  DrillMode mode = DrillMode::kNumbers;
  int number = -1;                    // the number asked (numbers mode)
  std::string counter;                // written after the number where said with it: 9時
  std::string answer;                 // the caption of the right plate (UTF-8)
  std::vector<std::string> captions;  // the plates' captions it brings; none: they stay
  Said said;

  static Question ofNumber(int value, std::string counter = {});
  static Question ofCaption(DrillMode mode, std::string answer, std::vector<std::string> captions);

  // Whether a plate answers it: the numbers mode by the plate's number,
  // every other by the caption it shows.
  bool answeredBy(const PlateAnswer& plate) const;
  // The value asked as it is written: the number in digits with its
  // counter word (9時), or the caption.
  std::string value() const;
};

}  // namespace ruzdo
