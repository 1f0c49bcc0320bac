// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/accessible_names.h"

#include <initguid.h>  // defines PROPID_ACC_NAME and the class id here
#include <oleacc.h>
#include <wrl/client.h>

#include "form/accessible_name.h"
#include "win32/frm_main.h"
#include "win32/wide.h"

namespace win32ui {

void nameEntries(const frm_main& form) {
  Microsoft::WRL::ComPtr<IAccPropServices> services;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices,
                              reinterpret_cast<void**>(services.GetAddressOf())))) {
    return;  // no accessibility runtime: the entries keep the system's names
  }
  for (const form::Control& control : form::kControls) {
    const std::string name = form::accessibleName(control);
    if (name.empty()) continue;
    std::wstring text = toWide(name);
    // An entry left unnamed keeps the system's name; the others are still named.
    static_cast<void>(services->SetHwndPropStr(form.windowOf(control), OBJID_CLIENT, CHILDID_SELF,
                                               PROPID_ACC_NAME, text.data()));
  }
}

}  // namespace win32ui
