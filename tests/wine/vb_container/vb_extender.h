// The extended control a VB form wraps around each control: its place on
// the form in twips (Left, Top, Width, Height), Visible, Name and Parent.
// The place is the container's own record; setting it moves the control
// through the site (SetObjectRects), as a VB form does.
#pragma once

#include "named_dispatch.h"

namespace vb_container {

class VbSite;

class VbExtender final : public NamedDispatch {
 public:
  VbExtender(CallLog& log, VbSite& site);

 protected:
  HRESULT Get(const std::wstring& name, VARIANT& out, EXCEPINFO* exception) override;
  HRESULT Put(const std::wstring& name, const VARIANT& value, EXCEPINFO* exception) override;

 private:
  VbSite& site_;
};

}  // namespace vb_container
