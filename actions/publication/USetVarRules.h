#pragma once
// The plan of qpSetVar: which variables receive which values, and in which
// order, for a names list, a values list and a separator. Pure, so the three
// shapes (pairwise, all alike, numbered) are tested natively.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

// One write of the plan. A numbered write goes to name followed by the decimal
// index; a plain write goes to name itself. Names are kept as the author gave
// them (blank ones included): the variable setters skip blank names.
struct SetVarWrite {
  std::string name;
  bool numbered = false;
  int32_t index = 0;
  std::string value;

  bool operator==(const SetVarWrite& other) const {
    return name == other.name && numbered == other.numbered && index == other.index && value == other.value;
  }
};

// The separator the values are cut at: the argument itself, untrimmed, unless
// it is blank, in which case "|".
std::string SetVarSeparator(std::string_view separator);

// False (and no writes) when the names or the values are blank. Otherwise the
// writes in the order they are to be made:
// - as many values as names: value i into name i;
// - a single value: that value into every name, in name order;
// - otherwise, for each value j in order and within it each name in order,
//   value j into the numbered variable name + j.
bool PlanSetVar(std::string_view names, std::string_view values, std::string_view separator,
                std::vector<SetVarWrite>& writes);

}  // namespace qp
