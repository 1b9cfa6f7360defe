#include "win32/accessible_control.h"

#include <oleacc.h>

#include <string>

#include "colour/colour_text.h"
#include "ui/control_help.h"
#include "win32/main_window.h"
#include "win32/system_library.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

// What answering a screen reader takes of COM and the accessibility library, loaded with the
// first request: most runs never have one.
struct AccessibilityFunctions {
  decltype(&CoInitializeEx) startCom = systemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
  decltype(&SysAllocStringLen) allocString =
      systemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
  decltype(&CreateStdAccessibleObject) standardObject =
      systemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
  decltype(&LresultFromObject) resultFromObject =
      systemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject");

  bool complete() const { return startCom && allocString && standardObject && resultFromObject; }
};

const AccessibilityFunctions& accessibility() {
  static const AccessibilityFunctions functions;
  return functions;
}

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT giveText(std::wstring_view text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = accessibility().allocString(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// The system's object for the control, answering in the program's words where it has them. The
// control may go while a reader still holds this: the colour is then read from nobody, and the
// system's object answers for the rest as it does for a window that has gone.
class AccessibleControl final : public IAccessible {
 public:
  AccessibleControl(HWND control, ui::ControlId id, IAccessible* standard)
      : control_(control), help_(ui::controlHelp(id)), standard_(standard) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // The control's window and its children, as the system's object gives them.
    if (iid == IID_IOleWindow || iid == IID_IEnumVARIANT) return standard_->QueryInterface(iid, object);
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Readers call the methods themselves; nothing is offered by name.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return isSelf(child) ? giveText(help_.accessibleName, name) : standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!isSelf(child) || !help_.colourOf) return standard_->get_accValue(child, value);
    MainWindow* window = ownerOf<MainWindow>(GetParent(control_));
    if (!window) return E_FAIL;
    return giveText(hexText(window->swatchColour(*help_.colourOf)), value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return isSelf(child) ? giveText(help_.tooltip, description) : standard_->get_accDescription(child, description);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~AccessibleControl() { standard_->Release(); }

  HWND control_;
  const ui::ControlHelp& help_;
  IAccessible* standard_;  // owned
  LONG references_ = 1;
};

}  // namespace

LRESULT accessibleObjectOf(HWND control, ui::ControlId id, WPARAM wParam) {
  const AccessibilityFunctions& functions = accessibility();
  if (!functions.complete()) return 0;
  // Handing an object to another process takes COM on this thread; nobody asks until a reader
  // does, so it starts with the first request.
  static const HRESULT com = functions.startCom(nullptr, COINIT_APARTMENTTHREADED);
  (void)com;
  IAccessible* standard = nullptr;
  if (FAILED(functions.standardObject(control, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard))))
    return 0;
  auto* object = new AccessibleControl(control, id, standard);
  const LRESULT result = functions.resultFromObject(IID_IAccessible, wParam, object);
  object->Release();
  return result;
}

}  // namespace Lmr::win32
