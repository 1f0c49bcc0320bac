// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/face.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "form/controls.h"
#include "win32/gdi_owner.h"
#include "win32/wide.h"

namespace win32ui {
namespace {

int CALLBACK found(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                   LPARAM any) {
  *reinterpret_cast<bool*>(any) = true;
  return 0;  // one is enough
}

bool installed(HDC dc, const std::wstring& family) noexcept {
  LOGFONTW wanted{};
  wanted.lfCharSet = form::kGb2312Charset;
  family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool any = false;
  EnumFontFamiliesExW(dc, &wanted, &found, reinterpret_cast<LPARAM>(&any), 0);
  return any;
}

}  // namespace

const std::wstring& songFamily() {
  static const std::wstring family = [] {
    std::array<std::wstring, form::kFamilies.size()> names;
    std::ranges::transform(form::kFamilies, names.begin(), toWide);
    const WindowDc screen(GetDC(nullptr), DcReleaser{nullptr});
    const auto* first = std::ranges::find_if(
        names, [&screen](const std::wstring& name) { return installed(screen.get(), name); });
    return first == names.end() ? names.front() : *first;
  }();
  return family;
}

}  // namespace win32ui
