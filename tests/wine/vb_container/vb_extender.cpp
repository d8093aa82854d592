#include "vb_extender.h"

#include "vb_form.h"
#include "vb_site.h"

namespace vb_container {

VbExtender::VbExtender(CallLog& log, VbSite& site)
    : NamedDispatch(log, "extender", {L"Left", L"Top", L"Width", L"Height", L"Visible", L"Name", L"Parent"}),
      site_(site) {}

HRESULT VbExtender::Get(const std::wstring& name, VARIANT& out, EXCEPINFO*) {
  const RECT r = site_.rect();
  if (name == L"Left") out = VbForm::Twips(r.left);
  else if (name == L"Top") out = VbForm::Twips(r.top);
  else if (name == L"Width") out = VbForm::Twips(r.right - r.left);
  else if (name == L"Height") out = VbForm::Twips(r.bottom - r.top);
  else if (name == L"Visible") out = com_client::Bool(true);
  else if (name == L"Name") out = com_client::Text(L"GlavoSkin1");
  else if (name == L"Parent") {
    out.vt = VT_DISPATCH;
    out.pdispVal = &site_.form();
    out.pdispVal->AddRef();
  } else {
    return DISP_E_MEMBERNOTFOUND;
  }
  return S_OK;
}

HRESULT VbExtender::Put(const std::wstring& name, const VARIANT& value, EXCEPINFO* exception) {
  VARIANT number;
  VariantInit(&number);
  if (name == L"Visible") return S_OK;
  if (name == L"Name" || name == L"Parent") return Raise(exception, 383, L"Property is read-only");
  if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_R8))) return DISP_E_TYPEMISMATCH;
  const long px = VbForm::Pixels(number);
  RECT r = site_.rect();
  if (name == L"Left") OffsetRect(&r, px - r.left, 0);
  else if (name == L"Top") OffsetRect(&r, 0, px - r.top);
  else if (name == L"Width") r.right = r.left + px;
  else if (name == L"Height") r.bottom = r.top + px;
  else return DISP_E_MEMBERNOTFOUND;
  site_.moveControl(r);
  return S_OK;
}

}  // namespace vb_container
