#pragma once
// What the results of the last run say about its deep-seated analysis. Every
// table, drawing, export and report page decides from these functions alone
// whether the analysis was made, whether its target was met and whether the
// remark on a raised target applies, so that no two of them disagree.

#include "model/ProjectData.h"

namespace tervane {

// True when the last run made its deep-seated analysis. False when the loop
// stopped because no reinforcement length was needed (deepSeatedNotConducted
// set): the factor and circle the engine left then belong to no analysis of
// the run and are shown nowhere.
bool DeepSeatedConducted(const AnalysisResults& results);

// Fs-deepseated: fsSoilStrength of the run snapshot times deepSeatedFactor.
double DeepSeatedFs(const ProjectInput& runInput, const AnalysisResults& results);

// The deep-seated status: Fs-deepseated meets its target, the target itself
// included ("OK"); a factor below it, or one that is not a number, does not
// ("X").
bool DeepSeatedTargetMet(const ProjectInput& runInput, const AnalysisResults& results);

// A run was made (runCallCount > 0), it made its deep-seated analysis and
// still fell short of the target: the run stopped at its call limit. Held by
// the stored results alone, so it lasts until the next run, through saving
// and loading.
bool DeepSeatedTargetMissed(const ProjectInput& runInput, const AnalysisResults& results);

// The remark that the target factor was smaller than initially computed and
// the reinforcement was lengthened to meet it: only for a run of more than
// one engine call that made its deep-seated analysis and met the target.
bool RaisedTargetRemarkApplies(const ProjectInput& runInput, const AnalysisResults& results);

}  // namespace tervane
