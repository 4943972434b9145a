#include "actions/publication/USetVarRules.h"

#include "core/UTextRules.h"

namespace qp {

std::string SetVarSeparator(std::string_view separator) {
  return IsBlank(separator) ? std::string("|") : std::string(separator);
}

bool PlanSetVar(std::string_view names, std::string_view values, std::string_view separator,
                std::vector<SetVarWrite>& writes) {
  writes.clear();
  if (IsBlank(names) || IsBlank(values)) return false;

  const std::vector<std::string> nameList = SplitText(",", names);
  const std::vector<std::string> valueList = SplitText(SetVarSeparator(separator), values);

  if (nameList.size() == valueList.size()) {
    for (size_t i = 0; i < nameList.size(); ++i) writes.push_back({nameList[i], false, 0, valueList[i]});
  } else if (valueList.size() == 1) {
    for (const std::string& name : nameList) writes.push_back({name, false, 0, valueList[0]});
  } else {
    // Every value and every name is used: the values are numbered from 0 and
    // each name gets its own numbered family.
    for (size_t j = 0; j < valueList.size(); ++j)
      for (const std::string& name : nameList)
        writes.push_back({name, true, static_cast<int32_t>(j), valueList[j]});
  }
  return true;
}

}  // namespace qp
