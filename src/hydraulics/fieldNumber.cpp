#include "hydraulics/fieldNumber.h"

#include "deck/findings.h"
#include "text/field8.h"
#include "text/plainDecimal.h"

namespace tolvane {

bool fieldNumber(std::string_view field, double& value) {
  if (plainDecimalField(field, value)) return true;
  if (isBlank(field)) {
    value = 0;
    return true;
  }
  return decimalValue(field, value);
}

}  // namespace tolvane
