// The skin's public events, raised to the advised sinks, and its property
// change marks, sent to IPropertyNotifySink sinks.
#include "server/bstr.h"
#include "server/event_dispatch.h"
#include "server/skin_object.h"

namespace glavo::server {
namespace {

constexpr DISPID kClick = 1, kDblClick = 2, kKeyDown = 3, kKeyPress = 4, kKeyUp = 5,
                 kMouseDown = 6, kMouseMove = 7, kMouseUp = 8;

}  // namespace

void SkinObject::FirePart(DISPID id, glavo::SkinPartsGwr& part) {
  long value = part;
  const VARIANTARG args[] = {ByRef(value)};
  FireEvent(events_, id, args);
  part = static_cast<glavo::SkinPartsGwr>(value);
}

void SkinObject::FireMouse(DISPID id, glavo::SkinPartsGwr& part, std::int16_t& button,
                           std::int16_t& shift, float& x, float& y) {
  long partValue = part;
  const VARIANTARG args[] = {ByRef(partValue), ByRef(button), ByRef(shift), ByRef(x), ByRef(y)};
  FireEvent(events_, id, args);
  part = static_cast<glavo::SkinPartsGwr>(partValue);
}

void SkinObject::Click(glavo::SkinPartsGwr& SkinPart) { FirePart(kClick, SkinPart); }
void SkinObject::DblClick(glavo::SkinPartsGwr& SkinPart) { FirePart(kDblClick, SkinPart); }

// KeyCode and Shift come back as the sinks left them: a handler that zeroes
// KeyCode cancels the skin's own shortcut handling.
void SkinObject::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  const VARIANTARG args[] = {ByRef(KeyCode), ByRef(Shift)};
  FireEvent(events_, kKeyDown, args);
}

void SkinObject::KeyPress(std::int16_t& KeyAscii) {
  const VARIANTARG args[] = {ByRef(KeyAscii)};
  FireEvent(events_, kKeyPress, args);
}

void SkinObject::KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  const VARIANTARG args[] = {ByRef(KeyCode), ByRef(Shift)};
  FireEvent(events_, kKeyUp, args);
}

void SkinObject::MouseDown(glavo::SkinPartsGwr& SkinPart, std::int16_t& Button,
                           std::int16_t& Shift, float& X, float& Y) {
  FireMouse(kMouseDown, SkinPart, Button, Shift, X, Y);
}

void SkinObject::MouseMove(glavo::SkinPartsGwr& SkinPart, std::int16_t& Button,
                           std::int16_t& Shift, float& X, float& Y) {
  FireMouse(kMouseMove, SkinPart, Button, Shift, X, Y);
}

void SkinObject::MouseUp(glavo::SkinPartsGwr& SkinPart, std::int16_t& Button, std::int16_t& Shift,
                         float& X, float& Y) {
  FireMouse(kMouseUp, SkinPart, Button, Shift, X, Y);
}

void SkinObject::OnPropertyChanged(std::string_view name) {
  dirty_ = true;
  // Property names double as bag keys; a key that is no property (the
  // theme data) is announced as "some property changed".
  std::wstring wide = Utf8ToWide(name);
  LPOLESTR names[] = {wide.data()};
  DISPID id = DISPID_UNKNOWN;
  if (types_.vtable && FAILED(types_.vtable->GetIDsOfNames(names, 1, &id))) id = DISPID_UNKNOWN;
  NotifyChanged(notify_, id);
}

}  // namespace glavo::server
