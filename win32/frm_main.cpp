// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/frm_main.h"

#include <algorithm>
#include <string>
#include <utility>

#include "form/controls.h"
#include "form/twips.h"
#include "win32/control_id.h"
#include "win32/utf16.h"

namespace win32ui {
namespace {

using form::Control;
using form::Kind;

constexpr wchar_t kClassName[] = L"Quorvel.frm_main";
// A fixed frame: no resizing and no maximise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr int kIconResource = 1;

std::wstring wide(std::string_view utf8) {
  const std::u16string text = toUtf16(utf8);
  return {text.begin(), text.end()};
}

COLORREF colorOf(const form::Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind windowKindOf(const Control& control) {
  switch (control.kind) {
    case Kind::TextBox: {
      DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
      if (control.centred) style |= ES_CENTER;
      // Read-only, yet the text can be selected and copied.
      if (control.readOnly) style |= ES_READONLY;
      return {L"EDIT", style, WS_EX_CLIENTEDGE};
    }
    case Kind::CommandButton:
      return {L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 0};
    case Kind::ComboBox:
      return {L"COMBOBOX", WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case Kind::Label:
      // A caption is plain text: "&" marks no access key.
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case Kind::Line:
      break;
  }
  return {nullptr, 0, 0};  // a line has no window of its own
}

void registerClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

frm_main::frm_main(HINSTANCE instance) : instance_(instance) {
  registerClass(instance);
  const std::wstring caption = wide(form::kCaption);
  hwnd_ =
      CreateWindowExW(kExStyle, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&windowProc));

  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    if (const auto& background = form::kControls[i].background) {
      backgrounds_[i] = CreateSolidBrush(colorOf(*background));
    }
  }
  createControls();
  layOut(GetDpiForWindow(hwnd_));
}

frm_main::~frm_main() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  for (HFONT font : fonts_) DeleteObject(font);
  for (HBRUSH brush : backgrounds_) DeleteObject(brush);
}

HWND frm_main::textBox(calc::TextBox box) const {
  return textBoxes_.at(static_cast<std::size_t>(box));
}

void frm_main::show(int showCommand) {
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  focus_ = windowOf(*form::kTabOrder.front());
  SetFocus(focus_);
}

void frm_main::createControls() {
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    const Control& control = form::kControls[i];
    const WindowKind kind = windowKindOf(control);
    if (kind.className == nullptr) continue;
    const std::wstring caption = wide(control.caption);
    controls_[i] = CreateWindowExW(
        kind.exStyle, kind.className, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0,
        0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control))), instance_,
        nullptr);
    // Edit boxes and the combo box's edit field count characters as UTF-16 units,
    // which for the digits and letters of an amount are characters.
    if (control.maxLength > 0) SendMessageW(controls_[i], EM_LIMITTEXT, control.maxLength, 0);
    // A combo box takes no text from its creation; its edit field gets it here.
    if (control.kind == Kind::ComboBox) SetWindowTextW(controls_[i], caption.c_str());
  }
  // The dialog manager walks Tab in the order of the child windows. Ordered by
  // tab index, the entries come in their tab order and every label after them,
  // so Text4 still stands in front of Label4, which it covers.
  std::array<std::size_t, form::kControls.size()> byTabIndex{};
  for (std::size_t i = 0; i < byTabIndex.size(); ++i) byTabIndex[i] = i;
  std::ranges::sort(byTabIndex, {}, [](std::size_t i) { return form::kControls[i].tabIndex; });
  for (const std::size_t i : byTabIndex) {
    if (controls_[i] != nullptr) {
      SetWindowPos(controls_[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  textBoxes_ = {windowOf(form::control("Text1")), windowOf(form::control("Text2")),
                windowOf(form::control("Text3")), windowOf(form::control("Text4"))};
  command1_ = windowOf(form::control("Command1"));
}

void frm_main::layOut(UINT dpi) {
  dpi_ = dpi;
  // The fonts of an earlier DPI go once the controls have the new ones.
  const auto earlierFonts = fonts_;
  for (std::size_t face = 0; face < fonts_.size(); ++face) {
    const form::FaceSetting& setting = form::kFaces[face];
    // A point is 20 twips.
    const int height = -toPixels(static_cast<int>(setting.pointSize * 20));
    fonts_[face] = CreateFontW(height, 0, 0, 0, setting.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                               FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
  }
  setIcons(dpi);

  HDC dc = GetDC(hwnd_);
  const HGDIOBJ dcFont = GetCurrentObject(dc, OBJ_FONT);
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    const Control& control = form::kControls[i];
    if (controls_[i] == nullptr) continue;
    HFONT font = fonts_[static_cast<std::size_t>(control.face)];
    SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    int width = toPixels(control.width);
    if (control.width == form::kSizedToCaption) {
      const std::wstring caption = wide(control.caption);
      SIZE extent{};
      SelectObject(dc, font);
      GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
      width = extent.cx;
    }
    SetWindowPos(controls_[i], nullptr, toPixels(control.left), toPixels(control.top), width,
                 toPixels(control.height), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SelectObject(dc, dcFont);
  ReleaseDC(hwnd_, dc);
  for (HFONT font : earlierFonts) DeleteObject(font);

  RECT frame{0, 0, toPixels(form::kClientWidth), toPixels(form::kClientHeight)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int frm_main::toPixels(int twips) const { return form::twipsToPixels(twips, dpi_); }

HWND frm_main::windowOf(const Control& control) const {
  return controls_.at(static_cast<std::size_t>(&control - form::kControls.data()));
}

void frm_main::setIcons(UINT dpi) {
  for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
    const int size = GetSystemMetricsForDpi(metric, dpi);
    const HANDLE icon =
        LoadImageW(instance_, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0);
    // The icon of an earlier DPI goes.
    if (const LRESULT old =
            SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon))) {
      DestroyIcon(reinterpret_cast<HICON>(old));
    }
  }
}

void frm_main::paintLines() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_, &paint);
  // The device context starts with the default pen: black, one pixel.
  for (const form::Line& line : form::kLines) {
    const int x1 = toPixels(line.x1);
    const int y1 = toPixels(line.y1);
    const int x2 = toPixels(line.x2);
    const int y2 = toPixels(line.y2);
    MoveToEx(dc, x1, y1, nullptr);
    // LineTo stops short of its end point; a rule reaches it.
    LineTo(dc, x2 + (x2 > x1 ? 1 : 0), y2 + (y2 > y1 ? 1 : 0));
  }
  EndPaint(hwnd_, &paint);
}

HBRUSH frm_main::colour(HWND control, HDC dc) const {
  const auto at = std::ranges::find(controls_, control);
  if (at == controls_.end()) return nullptr;
  const auto i = static_cast<std::size_t>(at - controls_.begin());
  const Control& c = form::kControls[i];
  if (!c.background && !c.foreground) return nullptr;
  if (c.foreground) SetTextColor(dc, colorOf(*c.foreground));
  if (c.background) SetBkColor(dc, colorOf(*c.background));
  return backgrounds_[i] != nullptr ? backgrounds_[i] : GetSysColorBrush(COLOR_WINDOW);
}

LRESULT CALLBACK frm_main::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<frm_main*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self->handle(message, wParam, lParam);
}

LRESULT frm_main::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paintLines();
      return 0;
    // A read-only edit box asks for its colours as static text does.
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (HBRUSH brush = colour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case DM_GETDEFID:
      // Enter, through the dialog manager, presses Command1.
      return MAKELRESULT(controlId(form::control("Command1")), DC_HASDEFID);
    case WM_COMMAND:
      if (LOWORD(wParam) == controlId(form::control("Command1")) && HIWORD(wParam) == BN_CLICKED &&
          onClick_) {
        onClick_();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd_, focus)) focus_ = focus;
      } else if (focus_ != nullptr) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      layOut(HIWORD(wParam));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace win32ui
