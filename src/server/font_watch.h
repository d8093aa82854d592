// Follows changes made to a font object after it was handed out
// (skin.Font.Bold = True): the font's IPropertyNotifySink connection tells
// us, and the control takes the changed description.
#pragma once

#include <functional>

#include <wrl/client.h>

#include "server/com_headers.h"
#include "server/com_object.h"

namespace glavo::server {

class FontWatch final : public ComObject<IPropertyNotifySink, IID_IPropertyNotifySink> {
 public:
  // Watches `font` until stop() and calls `onChange` after each change.
  static HRESULT Start(IUnknown* font, std::function<void()> onChange,
                       Microsoft::WRL::ComPtr<FontWatch>& out);
  void stop();

  STDMETHODIMP OnChanged(DISPID id) override;
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

 private:
  explicit FontWatch(std::function<void()> onChange) : onChange_(std::move(onChange)) {}

  std::function<void()> onChange_;
  Microsoft::WRL::ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace glavo::server
