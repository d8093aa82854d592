// events OCX: advises an event sink on GlavoSkin and feeds the control
// mouse and key messages as a windowless container does. Prints "event ID
// NAME ARG..." for each event the sink receives (each argument as
// vt:value) and "NAME=VALUE" lines for what the client reads back. Change
// notifications are the VB container's (tests/wine/vb_container_test.cpp).
#include <cstdio>
#include <string>

#include "client.h"

namespace {

using client::Print;

class EventSink final : public com_client::EventListener {
 public:
  EventSink() : EventListener(DIID___GlavoSkin) {}
  // A sink that cancels a shortcut zeroes KeyCode in KeyDown.
  bool cancelShortcuts = false;
  int received = 0;

 private:
  void onEvent(DISPID id, DISPPARAMS* params) override {
    static const wchar_t* kNames[] = {L"?", L"Click", L"DblClick", L"KeyDown", L"KeyPress",
                                      L"KeyUp", L"MouseDown", L"MouseMove", L"MouseUp"};
    ++received;
    std::wstring line = L"event " + std::to_wstring(id) + L" " + (id >= 1 && id <= 8 ? kNames[id] : L"?");
    // Arguments arrive last to first.
    for (UINT i = params->cArgs; i-- > 0;) {
      const VARIANTARG& arg = params->rgvarg[i];
      wchar_t text[64];
      switch (arg.vt) {
        case VT_I2 | VT_BYREF: std::swprintf(text, 64, L" %x:%d", arg.vt, *arg.piVal); break;
        case VT_I4 | VT_BYREF: std::swprintf(text, 64, L" %x:%ld", arg.vt, *arg.plVal); break;
        case VT_R4 | VT_BYREF: std::swprintf(text, 64, L" %x:%g", arg.vt, *arg.pfltVal); break;
        default: std::swprintf(text, 64, L" %x:?", arg.vt); break;
      }
      line += text;
    }
    std::wprintf(L"%ls\n", line.c_str());
    if (id == 3 && cancelShortcuts && params->cArgs == 2 &&
        params->rgvarg[1].vt == (VT_I2 | VT_BYREF)) {
      *params->rgvarg[1].piVal = 0;  // KeyCode
    }
  }
};

// Prints what Advise answered.
void PrintAdvised(const com_client::Advised& link) {
  std::wprintf(L"advise=%ls\n", client::Hex(link.advised()).c_str());
}

void Send(IOleInPlaceObjectWindowless* object, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  object->OnWindowMessage(message, wParam, lParam, &result);
}


// One control fed Alt+Enter by a sink that does or does not cancel it;
// prints the control's state afterwards. Which shortcuts a zeroed KeyCode
// cancels is the core's (tests/skin/events_test.cpp); here the sink's write
// through the by-reference argument must reach the control.
void Shortcuts(const std::wstring& ocx, bool cancel) {
  std::wprintf(L"-- shortcuts cancel=%d\n", cancel ? 1 : 0);
  IDispatch* skin = client::CreateSkin(ocx);
  if (!skin) return;
  EventSink sink;
  sink.cancelShortcuts = cancel;
  com_client::Advised events(skin, DIID___GlavoSkin, &sink);
  PrintAdvised(events);
  IOleInPlaceObjectWindowless* windowless = nullptr;
  skin->QueryInterface(IID_IOleInPlaceObjectWindowless, reinterpret_cast<void**>(&windowless));
  const LPARAM altDown = 1 << 29;
  Send(windowless, WM_SYSKEYDOWN, VK_RETURN, altDown);
  const long state = com_client::GetLong(skin, L"SkinState");
  Print(cancel ? L"cancelled SkinState" : L"plain SkinState", std::to_wstring(state));
  events.unadvise();
  windowless->Release();
  skin->Release();
}

}  // namespace

int EventsCommand(int argc, wchar_t** argv) {
  if (argc < 1) return 2;
  IDispatch* skin = client::CreateSkin(argv[0]);
  if (!skin) return 1;

  IProvideClassInfo2* info = nullptr;
  skin->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info));
  GUID source = {};
  if (info) info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source);
  Print(L"default source", IsEqualGUID(source, DIID___GlavoSkin) ? L"__GlavoSkin" : L"other");
  if (info) info->Release();

  EventSink sink;
  com_client::Advised events(skin, DIID___GlavoSkin, &sink);
  PrintAdvised(events);
  if (!events.connected()) return 1;

  IOleInPlaceObjectWindowless* windowless = nullptr;
  skin->QueryInterface(IID_IOleInPlaceObjectWindowless, reinterpret_cast<void**>(&windowless));
  if (!windowless) return 1;
  RECT place = {0, 0, 400, 300};
  windowless->SetObjectRects(&place, &place);

  std::wprintf(L"-- background click\n");
  Send(windowless, WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
  Send(windowless, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 150));
  Send(windowless, WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
  std::wprintf(L"-- keys\n");
  Send(windowless, WM_KEYDOWN, 'A', 0);
  Send(windowless, WM_CHAR, 'a', 0);
  Send(windowless, WM_KEYUP, 'A', 0);
  std::wprintf(L"-- unadvised\n");
  events.unadvise();
  int before = sink.received;
  Send(windowless, WM_KEYDOWN, 'B', 0);
  Print(L"events after unadvise", std::to_wstring(sink.received - before));
  Print(L"second unadvise", client::Hex(events.unadvise()));
  windowless->Release();
  skin->Release();

  Shortcuts(argv[0], false);
  Shortcuts(argv[0], true);
  return 0;
}
