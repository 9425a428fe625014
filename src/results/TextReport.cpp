#include "results/TextReport.h"

namespace tervane {

void SaveResultsAsTextFile() {}

}  // namespace tervane
