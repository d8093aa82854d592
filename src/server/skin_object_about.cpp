// The About box (DISPID_ABOUTBOX): property browsers offer it as "(About)".
#include "platform/win32/win32_message_box.h"
#include "server/skin_object.h"
#include "server/version.h"

#define GLAVO_UTF16(text) GLAVO_UTF16_(text)
#define GLAVO_UTF16_(text) u##text

namespace glavo::server {

STDMETHODIMP SkinObject::AboutBox() {
  HWND owner = ControlWindow() ? GetAncestor(ControlWindow(), GA_ROOT) : GetActiveWindow();
  win32::Win32MessageBox box(owner);
  box.show(u"GlavoSkin " GLAVO_UTF16(GLAVO_VERSION_TEXT) u"\n\n"
           u"Glavo Wrap ActiveX Control: a themeable window frame that makes its form borderless "
           u"and draws the title bar, borders and caption buttons.",
           u"About GlavoSkin", MB_OK | MB_ICONINFORMATION);
  return S_OK;
}

}  // namespace glavo::server
