#pragma once
// The text report of the last run, written behind the main menu's hidden
// "Save results as text file" button.

namespace tervane {

// Asks for a file and writes the report into it.
void SaveResultsAsTextFile();

}  // namespace tervane
