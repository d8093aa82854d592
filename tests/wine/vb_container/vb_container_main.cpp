// glavo-vb-container.exe OCX OUTDIR [nofiledialogs]: hosts GlavoSkin as a
// VB6 form does, in the designer and at run time, and writes every call
// between the form and the control to OUTDIR/vb_log.txt (call_log.h). The
// native suite (tests/wine/vb_container_test.cpp) asserts on the sequences.
//
// Scenarios, each with a form of its own: "design" (first placement, Show,
// the About box, the property browser and page, saving to a property bag,
// close), "run" (loaded from that bag through IQuickActivate: maximize and
// restore, SkinState, an external resize, a reset that the form refuses at
// run time, close), "nulcaption" (a caption holding a NUL) and "lacking" (a
// form without ShowInTaskbar). The stream round trip is the server suite's
// (tests/server/persistence_test.cpp); border drags are the ATL host's (the
// same windowed control), and maximize moves the form through the same
// members a drag would. "nofiledialogs"
// leaves out the page's buttons that open the system's file dialogs.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>
#include <initguid.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "call_log.h"
#include "com_client.h"
// The generated declarations give optional BSTR parameters a literal default.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wwrite-strings"
#include "glavowrap_idl.h"
#pragma GCC diagnostic pop
#include "memory_bag.h"
#include "page_frame.h"
#include "vb_form.h"
#include "vb_sinks.h"
#include "vb_site.h"

using namespace vb_container;
using namespace com_client;

namespace {

IUnknown* CreateControl(const std::wstring& ocx, CallLog& log) {
  auto* control = static_cast<IUnknown*>(CreateFromDll(ocx, CLSID_GlavoSkin, IID_IUnknown));
  if (!control) log.fact("error", "cannot load the control");
  return control;
}

std::string ErrorDescription() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || !info) return "";
  BSTR text = nullptr;
  info->GetDescription(&text);
  std::string out = Narrow(text);
  SysFreeString(text);
  info->Release();
  return out;
}

// A property's value as text; "?" on failure.
std::string GetText(IDispatch* object, const wchar_t* name) {
  VARIANT value;
  if (FAILED(Get(object, name, value))) return "?";
  std::string text = VariantText(value);
  VariantClear(&value);
  return text;
}

// One control on one form: how a VB form creates, places, shows and ends it.
class Placement {
 public:
  Placement(CallLog& log, VbForm& form, bool userMode)
      : log_(log), form_(form), site_(log, form, userMode, RECT{40, 50, 240, 200}), events_(log, DIID___GlavoSkin),
        notify_(log) {}

  // A new control (InitNew), or one loaded from `bag` as a form at run time.
  // A new one gets its client site first when it asks for it (VB honours
  // OLEMISC_SETCLIENTSITEFIRST), then the connections; a loaded one is
  // connected by one IQuickActivate call standing for the client site, the
  // status and the connections, as VB uses it when a control offers it.
  // Then in-place activation at the rectangle where it was dropped.
  HRESULT create(const std::wstring& ocx, IPropertyBag* bag = nullptr) {
    control_ = CreateControl(ocx, log_);
    if (!control_) return E_FAIL;
    ole_ = Query<IOleObject>(control_, IID_IOleObject);
    dispatch_ = Query<IDispatch>(control_, IID_IDispatch);
    const bool quick = bag != nullptr;
    bool siteFirst = false;
    if (quick) {
      quickActivate();
    } else {
      DWORD misc = 0;
      ole_->GetMiscStatus(DVASPECT_CONTENT, &misc);
      siteFirst = (misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
      log_.call(std::string("container.GetMiscStatus SETCLIENTSITEFIRST=") + (siteFirst ? "1" : "0"));
      if (siteFirst) setSite();
    }
    HRESULT hr = E_FAIL;
    if (bag) {
      auto* persist = Query<IPersistPropertyBag>(control_, IID_IPersistPropertyBag);
      hr = persist->Load(bag, nullptr);
      persist->Release();
      log_.call("container.Load(bag) -> " + Hex(hr));
    } else {
      auto* persist = Query<IPersistStreamInit>(control_, IID_IPersistStreamInit);
      hr = persist->InitNew();
      persist->Release();
      log_.call("container.InitNew -> " + Hex(hr) + (FAILED(hr) ? " " + ErrorDescription() : ""));
    }
    if (FAILED(hr)) return hr;
    if (!quick) {
      if (!siteFirst) setSite();
      connect();
    }
    site_.setControl(control_);
    hr = ole_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site_, 0, form_.hwnd(), &site_.rect());
    log_.call("container.DoVerb(INPLACEACTIVATE) -> " + Hex(hr));
    return hr;
  }

  IDispatch* dispatch() { return dispatch_; }
  IUnknown* control() { return control_; }

  HWND window() {
    HWND hwnd = nullptr;
    if (auto* window = Query<IOleWindow>(control_, IID_IOleInPlaceObject)) {
      window->GetWindow(&hwnd);
      window->Release();
    }
    return hwnd;
  }

  // What the container and the window system each say about the control.
  void facts(const std::string& stage) {
    log_.fact(stage + ".extender", RectText(site_.rect()));
    RECT own{};
    if (HWND hwnd = window()) {
      GetWindowRect(hwnd, &own);
      MapWindowPoints(HWND_DESKTOP, form_.hwnd(), reinterpret_cast<POINT*>(&own), 2);
    }
    log_.fact(stage + ".control", RectText(own));
    RECT client{};
    GetClientRect(form_.hwnd(), &client);
    log_.fact(stage + ".client", RectText(client));
    RECT outer{};
    GetWindowRect(form_.hwnd(), &outer);
    log_.fact(stage + ".form", RectText(outer));
    log_.fact(stage + ".iconic", IsIconic(form_.hwnd()) ? "1" : "0");
  }

  HRESULT saveBag(IPropertyBag* bag) {
    auto* persist = Query<IPersistPropertyBag>(control_, IID_IPersistPropertyBag);
    HRESULT hr = persist->Save(bag, TRUE, FALSE);
    persist->Release();
    log_.call("container.Save(bag) -> " + Hex(hr));
    return hr;
  }

  // A VB form unloading: deactivate, close, and let go of the site.
  void close() {
    if (!ole_) return;
    eventLink_.reset();
    notifyLink_.reset();
    HRESULT hr = ole_->Close(OLECLOSE_NOSAVE);
    log_.call("container.Close -> " + Hex(hr));
    site_.setControl(nullptr);
    ole_->SetClientSite(nullptr);
    ole_->Release();
    dispatch_->Release();
    const ULONG left = control_->Release();
    log_.call("container.Release -> " + std::to_string(left));
    ole_ = nullptr;
  }

 private:
  void setSite() {
    HRESULT hr = ole_->SetClientSite(static_cast<IOleClientSite*>(&site_));
    log_.call("container.SetClientSite -> " + Hex(hr));
  }

  void quickActivate() {
    auto* quick = Query<IQuickActivate>(control_, IID_IQuickActivate);
    if (!quick) {
      log_.call("container.QuickActivate unsupported");
      return;
    }
    QACONTAINER container{};
    container.cbSize = sizeof(container);
    container.pClientSite = static_cast<IOleClientSite*>(&site_);
    container.pPropertyNotifySink = &notify_;
    container.pUnkEventSink = &events_;
    container.dwAmbientFlags = QACONTAINER_USERMODE | QACONTAINER_MESSAGEREFLECT;
    container.lcid = 1033;
    QACONTROL control{};
    control.cbSize = sizeof(control);
    const HRESULT hr = quick->QuickActivate(&container, &control);
    quick->Release();
    log_.call("container.QuickActivate -> " + Hex(hr) + " SETCLIENTSITEFIRST=" +
              ((control.dwMiscStatus & OLEMISC_SETCLIENTSITEFIRST) ? "1" : "0") +
              " events=" + (control.dwEventCookie ? "1" : "0") + " notify=" + (control.dwPropNotifyCookie ? "1" : "0"));
    // Kept to disconnect at close, as after Advise.
    if (control.dwEventCookie) eventLink_.emplace(control_, DIID___GlavoSkin, &events_, control.dwEventCookie);
    if (control.dwPropNotifyCookie) {
      notifyLink_.emplace(control_, IID_IPropertyNotifySink, &notify_, control.dwPropNotifyCookie);
    }
  }

  void connect() {
    eventLink_.emplace(control_, DIID___GlavoSkin, &events_);
    notifyLink_.emplace(control_, IID_IPropertyNotifySink, &notify_);
  }

  CallLog& log_;
  VbForm& form_;
  VbSite site_;
  EventSink events_;
  NotifySink notify_;
  IUnknown* control_ = nullptr;
  IOleObject* ole_ = nullptr;
  IDispatch* dispatch_ = nullptr;
  std::optional<Advised> eventLink_, notifyLink_;
};

// A double click on the title bar: maximize, or restore when maximized.
void DoubleClickTitle(HWND control) {
  PostDoubleClick(control, 60, 12);
  Pump(500);
}

// Runs `call`, which opens a modal dialog titled `title`, while a second
// thread, as the user, waits for the dialog and `answer`s it. The first file
// dialog of a process loads the shell's libraries: seconds on a loaded
// machine, tens of them under an emulator, so the user waits as long as the
// call lasts. An answer given while the dialog was still being built can
// be lost; the user answers again while the dialog stays open. A dialog that
// has not gone after 90 seconds is stuck (Wine's file dialog under qemu's
// i386 emulator can stay hidden forever): the container says so and ends,
// rather than hang until the harness's time limit.
void AnswerDialog(CallLog& log, const wchar_t* title, const std::function<void(HWND)>& answer,
                  const std::function<void()>& call) {
  std::atomic<bool> returned{false};
  std::thread user([&] {
    const DWORD start = GetTickCount();
    bool shown = false;
    for (DWORD answered = 0; !returned; Sleep(25)) {
      HWND dialog = FindWindowW(L"#32770", title);
      if (GetTickCount() - start > 90000) {
        const char* state = !dialog ? "never came" : shown ? "stayed open" : "never showed";
        log.line("STUCK the dialog \"" + Narrow(title) + "\" " + state);
        ExitProcess(3);
      }
      if (!dialog || !IsWindowVisible(dialog) || (answered && GetTickCount() - answered < 3000)) continue;
      shown = true;
      answer(dialog);
      answered = GetTickCount();
    }
  });
  call();
  returned = true;
  user.join();
}

// The About box as the property browser's "(About)" opens it: its title and
// text are read while the control's call is modal, then OK is pressed.
void ShowAbout(IDispatch* control, CallLog& log) {
  std::string title, text;
  HRESULT hr = E_FAIL;
  const auto read = [&](HWND box) {
    wchar_t buffer[512] = L"";
    GetWindowTextW(box, buffer, 512);
    title = Narrow(buffer);
    GetDlgItemTextW(box, 0xFFFF, buffer, 512);  // the message text
    // One log line: line breaks written as \n.
    text.clear();
    for (const char c : Narrow(buffer)) {
      if (c != '\r') text += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  };
  AnswerDialog(log, L"About GlavoSkin", read, [&] {
    DISPPARAMS none{};
    hr = control->Invoke(DISPID_ABOUTBOX, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr,
                         nullptr);
  });
  log.call("container.AboutBox -> " + Hex(hr));
  log.fact("about.title", "\"" + title + "\"");
  log.fact("about.text", "\"" + text + "\"");
}

// How a property browser shows BodyTheme: by the names the control gives.
void BrowseBodyTheme(IUnknown* control, CallLog& log) {
  auto* browsing = Query<IPerPropertyBrowsing>(control, IID_IPerPropertyBrowsing);
  if (!browsing) {
    log.fact("browse.interface", "missing");
    return;
  }
  CALPOLESTR strings{};
  CADWORD cookies{};
  HRESULT hr = browsing->GetPredefinedStrings(17, &strings, &cookies);
  std::string names;
  for (ULONG i = 0; i < strings.cElems; ++i) {
    names += (i ? "," : "") + Narrow(strings.pElems[i]) + "=" + std::to_string(cookies.pElems[i]);
    CoTaskMemFree(strings.pElems[i]);
  }
  CoTaskMemFree(strings.pElems);
  CoTaskMemFree(cookies.pElems);
  log.fact("browse.strings", Hex(hr) + " " + names);
  VARIANT value;
  VariantInit(&value);
  hr = browsing->GetPredefinedValue(17, 9, &value);
  log.fact("browse.value9", Hex(hr) + " " + VariantText(value));
  BSTR shown = nullptr;
  hr = browsing->GetDisplayString(17, &shown);
  log.fact("browse.display", Hex(hr) + " " + Narrow(shown));
  SysFreeString(shown);
  CLSID page{};
  log.fact("browse.page17", Hex(browsing->MapPropertyToPage(17, &page)));
  log.fact("browse.page6", Hex(browsing->MapPropertyToPage(6, &page)));  // Caption: no page
  browsing->Release();
}

// What a user does on the page: Vista, a 36-pixel title bar, no help button.
void EditPage(HWND page) {
  HWND theme = GetDlgItem(page, 100);
  SendMessageW(theme, CB_SETCURSEL, 3, 0);
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(100, CBN_SELCHANGE), reinterpret_cast<LPARAM>(theme));
  SetDlgItemInt(page, 110, 36, TRUE);                    // title bar height
  SendMessageW(GetDlgItem(page, 133), BM_CLICK, 0, 0);  // the help button off
}

// Presses a page button that opens the system's file dialog (titled
// `title`), and answers the dialog with `path`, as a user typing the name.
void ChooseFile(CallLog& log, HWND page, int button, const wchar_t* title, const std::wstring& path) {
  const auto type = [&](HWND dialog) {
    Sleep(200);
    SetDlgItemTextW(dialog, 0x47C, path.c_str());  // the file name box (cmb13)
    SetDlgItemTextW(dialog, 0x480, path.c_str());  // or its plain edit (edt1)
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  };
  AnswerDialog(log, title, type, [&] {
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, button)));
  });
}

// The control's look, as SaveSkinTheme() returns it.
std::string SkinTheme(IDispatch* control) { return Narrow(Theme(control).c_str()); }

std::string FirstLine(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) return "(no file)";
  std::string line;
  for (int c = std::fgetc(file); c != EOF && c != '\r' && c != '\n'; c = std::fgetc(file)) line += static_cast<char>(c);
  std::fclose(file);
  return line;
}

// The page's buttons that go through the system's file dialogs.
void LoadAndSaveThroughPage(CallLog& log, PageFrame& frame, IDispatch* dispatch, const std::wstring& outDir) {
  // Save theme file: the control's look, written through its lets.
  const std::wstring saved = outDir + L"\\saved.gwr";
  ChooseFile(log, frame.page(), 151, L"Save As", saved);
  log.fact("page.saved_equals_look", FirstLine(saved) == SkinTheme(dispatch) ? "1" : "0");
  // Load theme file: another look meanwhile, then the saved one back.
  PutLong(dispatch, L"BodyTheme", 8);
  PutLong(dispatch, L"TitleBarSize", 50);
  const std::string other = SkinTheme(dispatch);
  log.fact("page.other_differs", other != FirstLine(saved) ? "1" : "0");
  ChooseFile(log, frame.page(), 150, L"Open", saved);
  log.fact("page.load_dirty", Hex(frame.dirty()));
  log.fact("page.load_before_apply_unchanged", SkinTheme(dispatch) == other ? "1" : "0");
  frame.apply();
  log.fact("page.loaded_equals_file", FirstLine(saved) == SkinTheme(dispatch) ? "1" : "0");
  log.fact("page.loaded_theme_file", "\"" + Narrow(saved.c_str()) + "\" " + GetText(dispatch, L"SkinThemeFile"));
}

// The designer's own frame: the page edited, then Apply, which sets the
// control's properties through their lets (the change notifications show).
void ApplyThroughPage(IUnknown* control, CallLog& log, const std::wstring& ocx, const std::wstring& outDir,
                      bool fileDialogs) {
  auto* specify = Query<ISpecifyPropertyPages>(control, IID_ISpecifyPropertyPages);
  CAUUID pages{};
  const HRESULT hr = specify ? specify->GetPages(&pages) : E_NOINTERFACE;
  if (specify) specify->Release();
  log.call("container.GetPages -> " + Hex(hr) + " " + std::to_string(pages.cElems));
  if (FAILED(hr) || pages.cElems == 0) return;
  IClassFactory* factory = FactoryFromDll(ocx, pages.pElems[0]);
  CoTaskMemFree(pages.pElems);
  {
    PageFrame frame(log, factory, control);
    log.fact("page.dirty_before", Hex(frame.dirty()));
    if (HWND page = frame.page()) EditPage(page);
    Pump(200);
    log.fact("page.dirty_after", Hex(frame.dirty()));
    frame.apply();
    log.fact("page.dirty_applied", Hex(frame.dirty()));
    auto* dispatch = Query<IDispatch>(control, IID_IDispatch);
    log.fact("custom.BodyTheme", GetText(dispatch, L"BodyTheme"));
    log.fact("custom.TitleBarSize", GetText(dispatch, L"TitleBarSize"));
    log.fact("custom.ShowHelpButton", GetText(dispatch, L"ShowHelpButton"));
    log.fact("page.file_dialogs", fileDialogs ? "used" : "left out");
    if (fileDialogs) LoadAndSaveThroughPage(log, frame, dispatch, outDir);
    dispatch->Release();
  }
  if (factory) factory->Release();
}

void Design(const std::wstring& ocx, const std::wstring& outDir, CallLog& log, MemoryBag& bag, bool fileDialogs) {
  log.step("design.place");
  VbForm::Options options;
  VbForm form(log, options);
  Placement placement(log, form, false);
  placement.create(ocx);
  Pump(300);
  placement.facts("design.placed");
  log.fact("design.caption_text", GetText(placement.dispatch(), L"Caption"));
  log.step("design.about");
  ShowAbout(placement.dispatch(), log);
  log.step("design.browse");
  BrowseBodyTheme(placement.control(), log);
  log.step("design.page");
  ApplyThroughPage(placement.control(), log, ocx, outDir, fileDialogs);
  log.step("design.save");
  PutLong(placement.dispatch(), L"BodyTheme", 8);
  placement.saveBag(&bag);
  log.step("design.close");
  placement.close();
  log.fact("design.form_alive", IsWindow(form.hwnd()) ? "1" : "0");
}

// The form loaded at run time from what the designer saved.
void Run(const std::wstring& ocx, CallLog& log, MemoryBag& bag) {
  log.step("run.place");
  VbForm::Options options;
  options.runMode = true;
  options.borderStyle = 0;  // as the designer saved it
  VbForm form(log, options);
  Placement placement(log, form, true);
  placement.create(ocx, &bag);
  Pump(300);
  placement.facts("run.placed");
  log.step("run.maximize");
  DoubleClickTitle(placement.window());
  placement.facts("run.maximized");
  log.step("run.restore");
  DoubleClickTitle(placement.window());
  placement.facts("run.restored");
  log.step("run.minimize");
  log.call("container.SkinState=1 -> " + Hex(PutLong(placement.dispatch(), L"SkinState", 1)));
  Pump(300);
  placement.facts("run.minimized");
  log.step("run.normal");
  log.call("container.SkinState=0 -> " + Hex(PutLong(placement.dispatch(), L"SkinState", 0)));
  Pump(300);
  placement.facts("run.normal");
  log.step("run.external");
  SetWindowPos(form.hwnd(), nullptr, 0, 0, 560, 430, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(300);
  placement.facts("run.external");
  log.step("run.reset");
  // As VB's late-bound let makes it: the form's error comes back in the
  // exception information.
  const Called reset = CallByName(placement.dispatch(), L"SkinTheme", DISPATCH_PROPERTYPUT, {Long(3)});
  log.fact("run.reset_result", Hex(reset.hr));
  log.fact("run.reset_error", reset.error);
  log.step("run.close");
  placement.close();
}

// A form whose caption holds a NUL: the control takes all of it.
void NulCaption(const std::wstring& ocx, CallLog& log) {
  log.step("nulcaption.place");
  VbForm::Options options;
  options.caption.assign(L"left\0right", 10);
  VbForm form(log, options);
  Placement placement(log, form, false);
  placement.create(ocx);
  VARIANT caption;
  Get(placement.dispatch(), L"Caption", caption);
  const bool whole = caption.vt == VT_BSTR && std::wstring(caption.bstrVal, SysStringLen(caption.bstrVal)) == options.caption;
  log.fact("nulcaption.caption_whole", whole ? "1" : "0");
  VariantClear(&caption);
  log.step("nulcaption.close");
  placement.close();
}

void Lacking(const std::wstring& ocx, CallLog& log) {
  log.step("lacking.place");
  VbForm::Options options;
  options.lacking = L"ShowInTaskbar";
  VbForm form(log, options);
  Placement placement(log, form, false);
  placement.create(ocx);
  log.step("lacking.close");
  placement.close();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  OleInitialize(nullptr);
  const std::wstring ocx = argv[1];
  {
    CallLog log(std::wstring(argv[2]) + L"\\vb_log.txt");
    MemoryBag bag;
    Design(ocx, argv[2], log, bag, !(argc > 3 && std::wstring(argv[3]) == L"nofiledialogs"));
    Run(ocx, log, bag);
    NulCaption(ocx, log);
    Lacking(ocx, log);
    log.done();
  }
  OleUninitialize();
  return 0;
}
