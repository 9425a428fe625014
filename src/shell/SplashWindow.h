#pragma once
// The splash window: picture 102 centred on the screen while the program
// starts, above the main frame. It closes after 60 seconds or at the first
// key or mouse-button press anywhere in the program, which it consumes (no
// other window receives it). It deletes itself when it closes.

#include <memory>

#include "framework/FrameBackend.h"

namespace tervane {

namespace fw {
class FrameWindow;
}

class CSplashWindow : private fw::SplashEvents {
 public:
  static constexpr int kTimerMilliseconds = 60000;

  // Whether ShowSplash may show a splash window (false until set).
  static void SetSplashEnabled(bool enabled);
  static bool SplashEnabled();
  // Shows the splash window over `parent` when allowed and none exists; a
  // missing picture means no splash window, without a message.
  static void ShowSplash(fw::FrameWindow* parent);
  // A key or mouse-button press while a splash window exists closes it and
  // is consumed (true); anything else, or no splash window, gives false.
  static bool HideSplashOnInput(fw::InputKind kind);
  // The splash window that exists now, or null.
  static CSplashWindow* Current();
  // Closes the splash window at once (the end of the program).
  static void DestroySplash();

  fw::SplashBackend* Backend() const { return backend_.get(); }

 private:
  explicit CSplashWindow(fw::FrameWindow* parent);
  ~CSplashWindow() override;
  bool Create();
  // Destroys the window, repaints the main window and deletes this object.
  void HideSplashWindow();

  void SplashTimer() override;
  bool SplashInput(fw::InputKind kind) override;

  fw::FrameWindow* parent_;
  std::unique_ptr<fw::SplashBackend> backend_;
};

}  // namespace tervane
