// A VB-style form: a real top-level window reached through the members a
// VB6 form has, in twips (15 per pixel at 96 dpi). BorderStyle 0 takes the
// caption and the sizing frame away; at run time the form refuses
// BorderStyle and ShowInTaskbar with VB's error 382, as VB does. A form can
// be made without one member, as other hosts' forms are.
#pragma once

#include <windows.h>

#include <string>

#include "named_dispatch.h"

namespace vb_container {

class VbForm final : public NamedDispatch {
 public:
  struct Options {
    bool runMode = false;            // refuses design-time members
    std::wstring lacking;            // a member the form does not have
    int borderStyle = 2;             // sizable
    int left = 120, top = 80;        // window, pixels
    int width = 500, height = 400;
    std::wstring caption = L"Form1";  // a VB string: it may hold NULs
  };
  VbForm(CallLog& log, const Options& options);
  ~VbForm() override;

  HWND hwnd() const { return window_; }
  // A place or size as the form's members give it: a Single in twips, and
  // back to pixels.
  static VARIANT Twips(long pixels);
  static long Pixels(const VARIANT& twips);
  // The client area in pixels.
  SIZE clientSize() const;

 protected:
  HRESULT Get(const std::wstring& name, VARIANT& out, EXCEPINFO* exception) override;
  HRESULT Put(const std::wstring& name, const VARIANT& value, EXCEPINFO* exception) override;

 private:
  void ApplyBorderStyle(int style);

  Options options_;
  HWND window_ = nullptr;
  bool showInTaskbar_ = true;
  IDispatch* icon_ = nullptr;
};

}  // namespace vb_container
