#include "run/RunTervaneDlg.h"

#include <atomic>
#include <string>
#include <system_error>
#include <thread>

#include "analysis/RunLoop.h"
#include "run/RunChecks.h"
#include "run/RunInputs.h"
#include "run/TerminateDlg.h"
#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/RunResources.h"

namespace tervane {

namespace {

constexpr int kProgressTimer = 1;
constexpr int kProgressIntervalMs = 100;

void ShowCheckFailure(const RunCheckFailure& failure) {
  switch (failure.dialog) {
    case RunCheckFailure::Dialog::kPolicing: {
      CPolicingDlg dlg;
      dlg.messageText = failure.messageText;
      dlg.errorNumberText = failure.errorNumberText;
      dlg.DoModal();
      return;
    }
    case RunCheckFailure::Dialog::kPolicing2: {
      CPolicing2Dlg dlg;
      dlg.errorNumberText = failure.errorNumberText;
      dlg.DoModal();
      return;
    }
    case RunCheckFailure::Dialog::kPolicingXl: {
      CPolicingXlDlg dlg;
      dlg.messageText = failure.messageText;
      dlg.messageText2 = failure.messageText2;
      dlg.errorNumberText = failure.errorNumberText;
      dlg.DoModal();
      return;
    }
  }
}

}  // namespace

// One run of the loop on a thread of its own. The thread touches only what
// the job holds; the dialog reads the progress while it runs and the rest
// once it has finished.
struct CRunTervaneDlg::RunJob {
  analysis::EngineInputs engine;
  analysis::RunLoopSettings settings;
  std::unique_ptr<analysis::AnalysisState> state = std::make_unique<analysis::AnalysisState>();
  std::unique_ptr<analysis::EngineOutputs> out = std::make_unique<analysis::EngineOutputs>();
  analysis::RunProgress progress;
  analysis::RunLoopResult result;
  std::atomic<bool> finished{false};
  std::thread worker;

  void Run() {
    result = analysis::RunAnalysisLoop(*state, engine, *out, settings, &progress);
    finished.store(true);
  }
  void Start() {
    try {
      worker = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
      Run();  // no thread to be had: the run goes on here, to the end
    }
  }
  // Waits for the thread; a run still going is cancelled after its analysis
  // in progress.
  void Stop() {
    progress.cancel.store(true);
    if (worker.joinable()) worker.join();
  }
  ~RunJob() { Stop(); }
};

CRunTervaneDlg::CRunTervaneDlg() : fw::Dialog(DialogTemplateNamed("IDD_RUN_TERVANE")) {}

CRunTervaneDlg::~CRunTervaneDlg() = default;

bool CRunTervaneDlg::IsRunning() const { return job_ != nullptr; }

bool CRunTervaneDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ShowControl(res::kRunOptimizedBannerId, runMode == 1);
  ShowControl(res::kRunManualBannerId, runMode != 1);
  const ProjectInput& input = Project().input;
  startFsDirectSliding = input.fsDirectSliding;
  startFsSoilStrength = input.fsSoilStrength;
  ApplyDialogIdLabelRule(*this);
  return true;
}

void CRunTervaneDlg::OnOK() {
  if (job_ != nullptr) return;  // a run goes on
  ShowControl(fw::IDOK, false);

  ProjectData& project = Project();
  auto job = std::make_unique<RunJob>();
  job->engine = FormEngineInputs(project.input, runMode);
  if (const std::optional<RunCheckFailure> failure = CheckRunInput(project.input, project.settings, runMode, job->engine)) {
    // Only Cancel remains; nothing has changed.
    ShowControl(fw::IDCANCEL, true);
    ShowCheckFailure(*failure);
    return;
  }
  job->settings = FormRunLoopSettings(project.input);
  job->settings.fsSoilStrength = startFsSoilStrength;
  job->progress.fsDirectSliding.store(job->settings.startFsDirectSliding);

  job_ = std::move(job);
  ShowControl(kDialogIdLabel, false);
  SetBusyCursor(true);
  ShowProgress();
  SetTimer(kProgressTimer, kProgressIntervalMs);
  job_->Start();
  if (job_->finished.load()) OnTimer(kProgressTimer);  // it ran here, without a thread
}

void CRunTervaneDlg::OnCancel() {
  if (job_ == nullptr) {
    EndDialog(fw::IDCANCEL);
    return;
  }
  // The loop stops after the analysis in progress; the timer then ends the
  // dialog.
  if (cancelling_) return;
  cancelling_ = true;
  job_->progress.cancel.store(true);
  EnableControl(fw::IDCANCEL, false);
  ShowProgress();
}

void CRunTervaneDlg::OnTimer(int id) {
  if (id != kProgressTimer || job_ == nullptr) return;
  if (!job_->finished.load()) {
    ShowProgress();
    return;
  }
  KillTimer(kProgressTimer);
  job_->Stop();
  SetBusyCursor(false);
  if (cancelling_ || job_->result.end == analysis::RunEnd::kCancelled) {
    job_.reset();
    EndDialog(fw::IDCANCEL);
    return;
  }
  FinishRun();
}

void CRunTervaneDlg::ShowProgress() {
  if (job_ == nullptr) return;
  const analysis::RunProgress& p = job_->progress;
  const int calls = p.callsMade.load();
  const double target = job_->settings.targetFsDeepSeated;
  std::string first = cancelling_ ? std::string("Cancelling: the run stops after the analysis in progress ...")
                                  : Format("Analyses made: %d     Fs on direct sliding: %.2f", calls,
                                               p.fsDirectSliding.load());
  std::string second = calls == 0 ? Format("Deep-seated Fs: ...     target: %.3f", target)
                                  : Format("Deep-seated Fs: %.3f     target: %.3f", p.deepSeatedFs.load(), target);
  SetText(res::kRunProgressTextId, first + "\n" + second);
}

void CRunTervaneDlg::FinishRun() {
  const RunJob& job = *job_;
  if (!OutputsAreFinite(*job.out)) {
    // Never store a result that is not a number.
    job_.reset();
    fw::ShowMessage(
        "The analysis of this project gave results that are not numbers, so nothing was stored.\n\n"
        "Please check the input data.",
        fw::MessageButtons::Ok, fw::MessageIcon::Warning);
    EndDialog(fw::IDCANCEL);
    return;
  }
  const analysis::RunLoopResult loop = job.result;
  const double target = job.settings.targetFsDeepSeated;
  StoreCompletedRun(Project(), runMode, startFsSoilStrength, target, *job.out, loop);
  const bool tooManyLayers = job.out->engineStatus == analysis::kStatusTooManyLayers;
  job_.reset();
  if (tooManyLayers) {
    CTerminateDlg notice;
    notice.DoModal();
  }
  if (loop.end == analysis::RunEnd::kCallLimit) {
    fw::ShowMessage(Format("The target factor of safety against deep-seated failure, %.3f, was not reached "
                               "in %d analyses.\n\nThe last analysis reached %.3f, with a factor of safety on "
                               "direct sliding of %.2f. Its results are stored.",
                               target, loop.callCount, loop.deepSeatedFs, loop.finalFsDirectSliding),
                    fw::MessageButtons::Ok, fw::MessageIcon::Warning);
  }
  EndDialog(fw::IDOK);
}

}  // namespace tervane
