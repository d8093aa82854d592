#include "runtime/host_value.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "runtime/number_text.h"

namespace glavo {
namespace {

// Nearest whole number, ties to even, whatever rounding mode the host left set.
double RoundHalfToEven(double x) {
  double lower = std::floor(x);
  double fraction = x - lower;
  if (fraction > 0.5) return lower + 1;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

[[noreturn]] void Mismatch() { throw HostError(host_error::kTypeMismatch, "Type mismatch"); }

std::u16string Widen(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::string Narrow(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    if (c > 127) Mismatch();
    out.push_back(static_cast<char>(c));
  }
  return out;
}

double ParseNumber(const std::u16string& text) {
  const std::optional<double> v = WholeNumber(text);
  if (!v) Mismatch();
  if (!std::isfinite(*v)) throw HostError(host_error::kOverflow, "Overflow");
  return *v;
}

}  // namespace

double HostToDouble(const HostValue& value) {
  if (std::holds_alternative<std::monostate>(value)) return 0;
  if (auto* b = std::get_if<bool>(&value)) return *b ? -1 : 0;
  if (auto* l = std::get_if<std::int32_t>(&value)) return *l;
  if (auto* d = std::get_if<double>(&value)) return *d;
  if (auto* s = std::get_if<std::u16string>(&value)) return ParseNumber(*s);
  Mismatch();
}

std::int32_t HostToLong(const HostValue& value) {
  double d = RoundHalfToEven(HostToDouble(value));
  if (!(d >= std::numeric_limits<std::int32_t>::min() && d <= std::numeric_limits<std::int32_t>::max())) {
    throw HostError(6, "Overflow");
  }
  return static_cast<std::int32_t>(d);
}

bool HostToBool(const HostValue& value) {
  if (auto* b = std::get_if<bool>(&value)) return *b;
  if (auto* s = std::get_if<std::u16string>(&value)) {
    std::string n = Narrow(*s);
    for (auto& c : n) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (n == "true") return true;
    if (n == "false") return false;
  }
  return HostToDouble(value) != 0;
}

std::u16string HostToString(const HostValue& value) {
  if (std::holds_alternative<std::monostate>(value)) return {};
  if (auto* b = std::get_if<bool>(&value)) return *b ? u"True" : u"False";
  if (auto* l = std::get_if<std::int32_t>(&value)) return Widen(std::to_string(*l));
  if (auto* d = std::get_if<double>(&value)) {
    if (std::floor(*d) == *d && std::fabs(*d) < 1e15) {
      return Widen(std::to_string(static_cast<long long>(*d)));
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", *d);
    return Widen(buf);
  }
  if (auto* s = std::get_if<std::u16string>(&value)) return *s;
  Mismatch();
}

PictureRef HostToPicture(const HostValue& value) {
  if (std::holds_alternative<std::monostate>(value)) return nullptr;
  if (auto* p = std::get_if<PictureRef>(&value)) return *p;
  Mismatch();
}

}  // namespace glavo
