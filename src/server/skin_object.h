// The GlavoSkin automation object: the public control as a COM object.
// Its interface families live in separate files: skin_object.cpp (identity,
// dispatch, class info, errors, connection points), skin_object_properties.cpp
// (the dual interface), skin_object_persist.cpp (streams and property bags)
// and skin_object_events.cpp (events and change notifications).
#pragma once

#include <functional>
#include <optional>
#include <memory>
#include <string_view>

#include <wrl/client.h>

#include "platform/win32/detached_host.h"
#include "platform/win32/windowed_host.h"
#include "platform/win32/windowless_input.h"
#include "server/com_headers.h"
#include "server/com_object.h"
#include "server/connection_point.h"
#include "server/font_watch.h"
#include "server/type_library.h"
#include "skin/glavo_skin.h"

namespace glavo::server {

HRESULT CreateSkinObject(REFIID riid, void** out);

class OleControl;

class SkinObject final : public _GlavoSkin,
                         public IProvideClassInfo2,
                         public ISupportErrorInfo,
                         public IConnectionPointContainer,
                         public IPersistStreamInit,
                         public IPersistPropertyBag,
                         public IObjectSafety,
                         public ISpecifyPropertyPages,
                         public IPerPropertyBrowsing,
                         public IQuickActivate,
                         private GlavoSkinEvents {
 public:
  SkinObject();
  ~SkinObject();
  // Loads the type information and creates the skin, initialised with its
  // defaults as a control placed anew.
  HRESULT initialize();

  // Container embedding (OleControl): the skin moves onto a window the
  // container gives, or back to no window, keeping its properties.
  // The new window stays hidden until ShowWindowed, so that the control's
  // Show runs once the container has placed it.
  HRESULT AttachWindow(std::unique_ptr<win32::WindowedHost> host);
  HRESULT ShowWindowed();
  HRESULT DetachWindow();
  // The container's placement of the control: its window's place, or the
  // size of a control without one.
  void Place(const RECT& place);
  // A windowless container's message for the control; false when the
  // control did not handle it (it has a window of its own, say).
  bool TakeMessage(UINT message, WPARAM wParam, LPARAM lParam);
  GlavoSkin* skin() { return skin_.get(); }
  HWND ControlWindow() const;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override { return refs_.add(); }
  STDMETHODIMP_(ULONG) Release() override;

  // IDispatch, through the type library.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                             DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

  // _GlavoSkin
  STDMETHODIMP SaveSkinTheme(BSTR FileName, BSTR* result) override;
  STDMETHODIMP LoadSkinTheme(BSTR FileName, BSTR SettingsStr) override;
  STDMETHODIMP Refresh() override;
  STDMETHODIMP get_BorderSize(LONG* value) override;
  STDMETHODIMP put_BorderSize(LONG value) override;
  STDMETHODIMP get_TitleBarSize(LONG* value) override;
  STDMETHODIMP put_TitleBarSize(LONG value) override;
  STDMETHODIMP get_Caption(BSTR* value) override;
  STDMETHODIMP put_Caption(BSTR value) override;
  STDMETHODIMP get_AllowResize(VARIANT_BOOL* value) override;
  STDMETHODIMP put_AllowResize(VARIANT_BOOL value) override;
  STDMETHODIMP get_AllowFullScreen(VARIANT_BOOL* value) override;
  STDMETHODIMP put_AllowFullScreen(VARIANT_BOOL value) override;
  STDMETHODIMP get_ShowHelpButton(VARIANT_BOOL* value) override;
  STDMETHODIMP put_ShowHelpButton(VARIANT_BOOL value) override;
  STDMETHODIMP get_ShowMaximizeButton(VARIANT_BOOL* value) override;
  STDMETHODIMP put_ShowMaximizeButton(VARIANT_BOOL value) override;
  STDMETHODIMP get_ShowMinimizeButton(VARIANT_BOOL* value) override;
  STDMETHODIMP put_ShowMinimizeButton(VARIANT_BOOL value) override;
  STDMETHODIMP get_ShowIconButton(VARIANT_BOOL* value) override;
  STDMETHODIMP put_ShowIconButton(VARIANT_BOOL value) override;
  STDMETHODIMP get_ShowCloseButton(VARIANT_BOOL* value) override;
  STDMETHODIMP put_ShowCloseButton(VARIANT_BOOL value) override;
  STDMETHODIMP get_Font(IFontDisp** value) override;
  STDMETHODIMP put_Font(IFontDisp* value) override;
  STDMETHODIMP putref_Font(IFontDisp* value) override;
  STDMETHODIMP get_Enabled(VARIANT_BOOL* value) override;
  STDMETHODIMP put_Enabled(VARIANT_BOOL value) override;
  STDMETHODIMP get_BackColor(OLE_COLOR* value) override;
  STDMETHODIMP put_BackColor(OLE_COLOR value) override;
  STDMETHODIMP get_BackgroundShow(VARIANT_BOOL* value) override;
  STDMETHODIMP put_BackgroundShow(VARIANT_BOOL value) override;
  STDMETHODIMP get_SkinTheme(::ThemeSettingsGwr* value) override;
  STDMETHODIMP put_SkinTheme(::ThemeSettingsGwr value) override;
  STDMETHODIMP get_SkinThemeFile(BSTR* value) override;
  STDMETHODIMP put_SkinThemeFile(BSTR value) override;
  STDMETHODIMP get_BodyTheme(::BodyThemesGwr* value) override;
  STDMETHODIMP put_BodyTheme(::BodyThemesGwr value) override;
  STDMETHODIMP get_ButtonSize(LONG* value) override;
  STDMETHODIMP put_ButtonSize(LONG value) override;
  STDMETHODIMP get_AllowSystemMenu(VARIANT_BOOL* value) override;
  STDMETHODIMP put_AllowSystemMenu(VARIANT_BOOL value) override;
  STDMETHODIMP get_SkinState(::SkinStatesGwr* value) override;
  STDMETHODIMP put_SkinState(::SkinStatesGwr value) override;
  STDMETHODIMP AboutBox() override;

  // IProvideClassInfo2
  STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
  STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

  // ISupportErrorInfo
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

  // IConnectionPointContainer
  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
  STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** out) override;

  // IPersist, IPersistStreamInit and IPersistPropertyBag (InitNew serves both).
  STDMETHODIMP GetClassID(CLSID* clsid) override;
  STDMETHODIMP IsDirty() override;
  STDMETHODIMP Load(LPSTREAM stream) override;
  STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
  STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
  STDMETHODIMP InitNew() override;
  STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
  STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

  // IObjectSafety: safe to initialise from persisted data, not safe for
  // scripting (SaveSkinTheme writes any file a caller names).
  STDMETHODIMP GetInterfaceSafetyOptions(REFIID riid, DWORD* supported, DWORD* enabled) override;
  STDMETHODIMP SetInterfaceSafetyOptions(REFIID riid, DWORD mask, DWORD enabled) override;

  // ISpecifyPropertyPages: the control's own page (property_page.h).
  STDMETHODIMP GetPages(CAUUID* pages) override;

  // IPerPropertyBrowsing: BodyTheme by its themes' names; the page for the
  // properties it edits.
  STDMETHODIMP GetDisplayString(DISPID id, BSTR* text) override;
  STDMETHODIMP MapPropertyToPage(DISPID id, CLSID* page) override;
  STDMETHODIMP GetPredefinedStrings(DISPID id, CALPOLESTR* strings, CADWORD* cookies) override;
  STDMETHODIMP GetPredefinedValue(DISPID id, DWORD cookie, VARIANT* value) override;

  // IQuickActivate: the client site, the sinks and the status in one call.
  STDMETHODIMP QuickActivate(QACONTAINER* container, QACONTROL* control) override;
  STDMETHODIMP SetContentExtent(LPSIZEL size) override;
  STDMETHODIMP GetContentExtent(LPSIZEL size) override;

 private:
  // GlavoSkinEvents: the skin's public events, raised to the sinks.
  void Click(glavo::SkinPartsGwr& SkinPart) override;
  void DblClick(glavo::SkinPartsGwr& SkinPart) override;
  void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void KeyPress(std::int16_t& KeyAscii) override;
  void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void MouseDown(glavo::SkinPartsGwr& SkinPart, std::int16_t& Button, std::int16_t& Shift, float& X,
                 float& Y) override;
  void MouseMove(glavo::SkinPartsGwr& SkinPart, std::int16_t& Button, std::int16_t& Shift, float& X,
                 float& Y) override;
  void MouseUp(glavo::SkinPartsGwr& SkinPart, std::int16_t& Button, std::int16_t& Shift, float& X,
               float& Y) override;
  void FireMouse(DISPID id, glavo::SkinPartsGwr& part, std::int16_t& button, std::int16_t& shift,
                 float& x, float& y);
  void FirePart(DISPID id, glavo::SkinPartsGwr& part);

  // The present value of a property by its bag key, for complete saves.
  std::optional<PropertyValue> CurrentValue(std::string_view key);

  // The skin marked a property changed (its bag key is the property name).
  void OnPropertyChanged(std::string_view name);

  // Runs `action` against the skin, turning exceptions into automation errors.
  HRESULT Call(const std::function<void(GlavoSkin&)>& action);
  HRESULT SetFontObject(IFontDisp* value);
  // Holds `font` as the object handed out for the skin's font `source`.
  void HoldFont(IFontDisp* font, FontRef source);
  void FontObjectChanged();
  HRESULT Rehost(std::unique_ptr<ControlSurface> surface, SkinEnvironment env,
                 const std::function<void(GlavoSkin&)>& placed);
  // A skin without a window whose form is `form` (null: the stand-in form).
  void CreateDetachedSkin(HostForm* form);

  RefCount refs_;
  SkinTypeInfo types_;
  ConnectionPoint events_;
  ConnectionPoint notify_;
  std::unique_ptr<win32::DetachedHost> host_;
  // The container's form on which InitNew placed the control, before it
  // had a window.
  std::unique_ptr<HostForm> siteForm_;
  std::unique_ptr<win32::WindowedHost> windowed_;  // while a container gives a window
  win32::WindowSurface* windowSurface_ = nullptr;  // owned by skin_ while windowed_
  std::unique_ptr<OleControl> ole_;
  std::unique_ptr<GlavoSkin> skin_;
  win32::DetachedSurface* surface_ = nullptr;  // owned by skin_
  std::unique_ptr<win32::WindowlessInput> input_;
  // The font object handed out for the skin's current font.
  Microsoft::WRL::ComPtr<IFontDisp> font_;
  FontRef fontSource_;
  Microsoft::WRL::ComPtr<FontWatch> fontWatch_;
  bool dirty_ = false;
  DWORD safetyEnabled_ = 0;  // the options a container enabled for the persistence interfaces
};

}  // namespace glavo::server
