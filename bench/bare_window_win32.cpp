// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The yardstick for the Windows program's start-up: a plain window with the
// same kinds and count of controls, their captions and places and the same
// Song faces, and nothing else (no manifest, icon, colours, tab order, COM or
// names for a screen reader).
#include <windows.h>

#include <array>
#include <string>

#include "form/controls.h"
#include "form/twips.h"
#include "win32/face.h"
#include "win32/wide.h"

namespace {

constexpr wchar_t kClassName[] = L"bare-window";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind plainKindOf(form::Kind kind) {
  switch (kind) {
    case form::Kind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case form::Kind::CommandButton:
      return {L"BUTTON", BS_PUSHBUTTON, 0};
    case form::Kind::ComboBox:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case form::Kind::Label:
      break;
  }
  return {L"STATIC", SS_LEFT, 0};
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int nShowCmd) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, kClassName, win32ui::toWide(form::kCaption).c_str(), kStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  const UINT dpi = GetDpiForWindow(window);
  const auto pixels = [dpi](int twips) { return form::twipsToPixels(twips, dpi); };
  RECT frame{0, 0, pixels(form::kClientWidth), pixels(form::kClientHeight)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER);

  std::array<HFONT, form::kFaces.size()> fonts{};
  for (std::size_t face = 0; face < fonts.size(); ++face) {
    const form::FaceSetting& setting = form::kFaces.at(face);
    fonts.at(face) =
        CreateFontW(-pixels(static_cast<int>(setting.pointSize * 20)), 0, 0, 0,
                    setting.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, form::kGb2312Charset,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, win32ui::songFamily().c_str());
  }
  for (const form::Control& control : form::kControls) {
    const WindowKind kind = plainKindOf(control.kind);
    HWND child = CreateWindowExW(
        kind.exStyle, kind.className, win32ui::toWide(control.caption).c_str(),
        WS_CHILD | WS_VISIBLE | kind.style, pixels(control.left), pixels(control.top),
        pixels(form::widthOf(control)), pixels(control.height), window, nullptr, instance, nullptr);
    SendMessageW(child, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts.at(static_cast<std::size_t>(control.face))), FALSE);
    if (control.kind == form::Kind::ComboBox) {
      SetWindowTextW(child, win32ui::toWide(control.caption).c_str());
    }
  }
  ShowWindow(window, nShowCmd);
  UpdateWindow(window);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  for (HFONT font : fonts) DeleteObject(font);
  return static_cast<int>(message.wParam);
}
