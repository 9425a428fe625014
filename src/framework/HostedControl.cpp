#include "framework/HostedControl.h"

#include <cmath>
#include <limits>

#include "framework/Dialog.h"
#include "framework/Text.h"

namespace tervane::fw {

// ---- Variant -------------------------------------------------------------------

Variant Variant::I2(int value) {
  Variant v;
  v.type_ = Type::I2;
  v.integer_ = static_cast<std::int16_t>(value);
  return v;
}

Variant Variant::I4(std::int32_t value) {
  Variant v;
  v.type_ = Type::I4;
  v.integer_ = value;
  return v;
}

Variant Variant::Color(std::uint32_t value) {
  Variant v;
  v.type_ = Type::Color;
  v.integer_ = value;
  return v;
}

Variant Variant::R8(double value) {
  Variant v;
  v.type_ = Type::R8;
  v.real_ = value;
  return v;
}

Variant Variant::Bool(bool value) {
  Variant v;
  v.type_ = Type::Bool;
  v.integer_ = value ? 1 : 0;
  return v;
}

Variant Variant::Text(std::string value) {
  Variant v;
  v.type_ = Type::Text;
  v.text_ = std::move(value);
  return v;
}

std::int32_t Variant::AsInt() const {
  switch (type_) {
    case Type::I2:
    case Type::I4:
    case Type::Bool:
      return static_cast<std::int32_t>(integer_);
    case Type::Color:
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(integer_));
    case Type::R8: {
      if (std::isnan(real_)) return 0;
      const double lo = std::numeric_limits<std::int32_t>::min();
      const double hi = std::numeric_limits<std::int32_t>::max();
      return static_cast<std::int32_t>(std::trunc(std::fmin(std::fmax(real_, lo), hi)));
    }
    default:
      return 0;
  }
}

std::uint32_t Variant::AsColor() const { return static_cast<std::uint32_t>(AsInt()); }

double Variant::AsDouble() const {
  if (type_ == Type::R8) return real_;
  if (type_ == Type::Color) return static_cast<double>(static_cast<std::uint32_t>(integer_));
  return static_cast<double>(AsInt());
}

const std::string& Variant::AsText() const {
  static const std::string kEmpty;
  return type_ == Type::Text ? text_ : kEmpty;
}

namespace {

std::string QuoteText(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (ch == '\n') {
      out += "\\n";
    } else if (b < 0x20) {
      out += Format("\\x%02X", b);
    } else {
      out += ch;
    }
  }
  out += '"';
  return out;
}

}  // namespace

std::string Variant::Describe() const {
  switch (type_) {
    case Type::Empty: return "EMPTY";
    case Type::I2: return Format("I2 %d", static_cast<int>(integer_));
    case Type::I4: return Format("I4 %d", static_cast<int>(integer_));
    case Type::Color: return Format("COLOR 0x%06X", static_cast<unsigned>(integer_));
    case Type::R8: return Format("R8 %.15g", real_);
    case Type::Bool: return Format("BOOL %d", static_cast<int>(integer_));
    case Type::Text: return "TEXT " + QuoteText(text_);
  }
  return "EMPTY";
}

// ---- HostedControl ---------------------------------------------------------------

HostedControl::~HostedControl() = default;

std::string HostedControl::Name(int dispid) const {
  const std::string_view name = DispatchName(dispid);
  return Format("%s(%d)", name.empty() ? "Unknown" : std::string(name).c_str(), dispid);
}

void HostedControl::Log(std::string line) {
  if (log_.size() < kMaxLoggedCalls) log_.push_back(std::move(line));
}

void HostedControl::PutProperty(int dispid, const Variant& value) {
  Log(Name(dispid) + " = " + value.Describe());
  DoPut(dispid, value);
}

Variant HostedControl::GetProperty(int dispid) {
  Variant result = DoGet(dispid);
  Log(Name(dispid) + " -> " + result.Describe());
  return result;
}

void HostedControl::PutIndexedProperty(int dispid, const Variant& index, const Variant& value) {
  Log(Name(dispid) + "[" + index.Describe() + "] = " + value.Describe());
  DoPutIndexed(dispid, index, value);
}

Variant HostedControl::Invoke(int dispid, const std::vector<Variant>& args) {
  std::string line = Name(dispid) + "(";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) line += ", ";
    line += args[i].Describe();
  }
  line += ")";
  // The call is logged before it runs: a method may take a while (printing)
  // or raise nothing but its result.
  const std::size_t at = log_.size();
  Log(line);
  Variant result = DoInvoke(dispid, args);
  if (!result.IsEmpty() && at < log_.size()) log_[at] += " -> " + result.Describe();
  return result;
}

void HostedControl::RaiseEvent(int dispid, std::vector<Variant>& args) {
  if (sink_) sink_(dispid, args);
}

void HostedControl::NotifyChanged() {
  if (listener_) listener_();
}

// ---- ControlWrapper --------------------------------------------------------------

bool ControlWrapper::Attach(Dialog& dialog, int id) {
  if (dialog.HostedControlOf(id) == nullptr) {
    Detach();
    return false;
  }
  dialog_ = &dialog;
  id_ = id;
  return true;
}

void ControlWrapper::Detach() {
  dialog_ = nullptr;
  id_ = 0;
}

HostedControl* ControlWrapper::Control() const {
  return dialog_ != nullptr ? dialog_->HostedControlOf(id_) : nullptr;
}

void ControlWrapper::PutProperty(int dispid, const Variant& value) const {
  if (HostedControl* c = Control()) c->PutProperty(dispid, value);
}

Variant ControlWrapper::GetProperty(int dispid) const {
  HostedControl* c = Control();
  return c != nullptr ? c->GetProperty(dispid) : Variant();
}

void ControlWrapper::PutIndexedProperty(int dispid, const Variant& index, const Variant& value) const {
  if (HostedControl* c = Control()) c->PutIndexedProperty(dispid, index, value);
}

Variant ControlWrapper::InvokeMethod(int dispid, const std::vector<Variant>& args) const {
  HostedControl* c = Control();
  return c != nullptr ? c->Invoke(dispid, args) : Variant();
}

}  // namespace tervane::fw
