#include "hydraulics/fieldNumber.h"

#include "deck/findings.h"
#include "text/field8.h"

namespace tolvane {

bool fieldNumberOtherwise(std::string_view field, double& value) {
  if (isBlank(field)) {
    value = 0;
    return true;
  }
  return decimalValue(field, value);
}

}  // namespace tolvane
