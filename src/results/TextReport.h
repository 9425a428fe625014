#pragma once
// The text report of the last run, written behind the main menu's hidden
// "Save results as text file" button: a title page, the input by group, the
// summary and the detailed table of the tieback and compound results, and the
// direct-sliding and deep-seated results, in English or Dutch.
//
// Everything comes from the run snapshot and the results of the last run,
// except the unit system (that of `input`), the report language and symbol
// style (`settings`) and the project path.

#include <string>
#include <vector>

#include "model/ProjectData.h"

namespace tervane {

// Every line of the report, without line ends.
std::vector<std::string> TextReportLines(const ProjectData& project);

// Asks for a file and writes the report into it (the handler of the main
// menu's button 1007). Cancel writes nothing; a file that cannot be written
// is reported.
void SaveResultsAsTextFile();

}  // namespace tervane
