#pragma once
// Controls that a dialog hosts as objects of their own (the spreadsheet and
// its print preview), reached through a dispatch interface: every operation
// sets or gets one property, or calls one method, named by a fixed dispatch
// identifier (DISPID), with arguments passed as variants.
//
// The dialog's backend owns the control object for the life of the window and
// raises its events to the dialog's event sink (Dialog::OnControlEvent). A
// control raises events only for what the user did, never for the program's
// own calls.
//
// Every dispatch call is recorded in the control's call log, one line per call,
// so tests can check exactly what a dialog asked of its control:
//   ActiveCol(22) = I4 1
//   DataRowCount(34) -> I4 3
//   ColumnWidth(217)[I4 2] = R8 11
//   AddCellSpan(490)(I4 1, I4 -1000, I4 1, I4 6) -> BOOL 1

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tervane::fw {

class Dialog;

// An argument or result of a dispatch call.
class Variant {
 public:
  enum class Type { Empty, I2, I4, Color, R8, Bool, Text };

  Variant() = default;
  static Variant I2(int value);
  static Variant I4(std::int32_t value);
  // A colour as a Windows colour value 0x00BBGGRR (unsigned 4 bytes).
  static Variant Color(std::uint32_t value);
  static Variant R8(double value);
  static Variant Bool(bool value);
  static Variant Text(std::string value);

  Type type() const { return type_; }
  bool IsEmpty() const { return type_ == Type::Empty; }
  // The value converted: numbers and booleans to each other (doubles are cut
  // toward zero and saturated), texts to "" or 0 for other kinds.
  std::int32_t AsInt() const;
  std::uint32_t AsColor() const;
  double AsDouble() const;
  bool AsBool() const { return AsInt() != 0; }
  const std::string& AsText() const;

  // "I4 1", "R8 9", "BOOL 1", "COLOR 0x0000FF", "TEXT \"Elevation\"", "EMPTY".
  std::string Describe() const;

  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  Type type_ = Type::Empty;
  std::int64_t integer_ = 0;
  double real_ = 0.0;
  std::string text_;
};

// A control object hosted in a dialog window.
class HostedControl {
 public:
  // Receives an event: its DISPID and its arguments; a handler may change
  // arguments that the event passes by reference.
  using EventSink = std::function<void(int dispid, std::vector<Variant>& args)>;

  HostedControl() = default;
  virtual ~HostedControl();
  HostedControl(const HostedControl&) = delete;
  HostedControl& operator=(const HostedControl&) = delete;

  // The dispatch interface. Unknown DISPIDs are logged and otherwise ignored
  // (getters and methods give Empty); missing arguments count as Empty.
  void PutProperty(int dispid, const Variant& value);
  Variant GetProperty(int dispid);
  void PutIndexedProperty(int dispid, const Variant& index, const Variant& value);
  Variant Invoke(int dispid, const std::vector<Variant>& args);

  // Every dispatch call so far, in order (at most kMaxLoggedCalls lines).
  const std::vector<std::string>& CallLog() const { return log_; }
  void ClearCallLog() { log_.clear(); }
  static constexpr std::size_t kMaxLoggedCalls = 200000;

  // A detached copy of the control's state (no events, no listener), as a
  // test or a record keeps it.
  virtual std::unique_ptr<HostedControl> Snapshot() const = 0;

  // Set by the backend that hosts the control.
  void SetEventSink(EventSink sink) { sink_ = std::move(sink); }
  // Called after every change of what the control shows (the window repaints).
  void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

 protected:
  // The control's own names for its DISPIDs, for the log ("ActiveCol").
  virtual std::string_view DispatchName(int dispid) const = 0;
  virtual void DoPut(int dispid, const Variant& value) = 0;
  virtual Variant DoGet(int dispid) = 0;
  virtual void DoPutIndexed(int dispid, const Variant& index, const Variant& value) = 0;
  virtual Variant DoInvoke(int dispid, const std::vector<Variant>& args) = 0;

  // Raises an event to the dialog (user actions only).
  void RaiseEvent(int dispid, std::vector<Variant>& args);
  void NotifyChanged();
  // Copies the log into a snapshot.
  void CopyLogTo(HostedControl& other) const { other.log_ = log_; }

 private:
  void Log(std::string line);
  std::string Name(int dispid) const;

  std::vector<std::string> log_;
  EventSink sink_;
  std::function<void()> listener_;
};

// The base of the control wrappers: attached to the hosted control `id` of a
// dialog (by the dialog's control exchange, DataExchange::Control), it passes
// each call to the control that the dialog's window holds at that moment.
// While it is not attached, or the window is gone, calls do nothing and
// getters give Empty.
class ControlWrapper {
 public:
  ControlWrapper() = default;
  virtual ~ControlWrapper() = default;
  ControlWrapper(const ControlWrapper&) = delete;
  ControlWrapper& operator=(const ControlWrapper&) = delete;

  // Attaches to control `id` of the dialog; false (and not attached) when the
  // dialog's window has no hosted control with that id.
  bool Attach(Dialog& dialog, int id);
  void Detach();
  bool IsAttached() const { return dialog_ != nullptr; }
  int ControlId() const { return id_; }
  // The control object while the dialog's window exists, else null.
  HostedControl* Control() const;

 protected:
  void PutProperty(int dispid, const Variant& value) const;
  Variant GetProperty(int dispid) const;
  void PutIndexedProperty(int dispid, const Variant& index, const Variant& value) const;
  Variant InvokeMethod(int dispid, const std::vector<Variant>& args) const;

 private:
  Dialog* dialog_ = nullptr;
  int id_ = 0;
};

}  // namespace tervane::fw
