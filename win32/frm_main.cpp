// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/frm_main.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "form/controls.h"
#include "form/twips.h"
#include "win32/control_id.h"
#include "win32/face.h"
#include "win32/wide.h"

namespace win32ui {
namespace {

using form::Control;
using form::Kind;

constexpr wchar_t kClassName[] = L"Quorvel.frm_main";
// A fixed frame: no resizing and no maximise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr int kIconResource = 1;
// The window's two icons: which each is, and the metric of its size.
constexpr std::array<std::pair<WPARAM, int>, 2> kIconSizes{
    {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}};

[[noreturn]] void fail(const char* step) {
  throw CreationError(std::string(step) + " failed with error " + std::to_string(GetLastError()));
}

COLORREF colorOf(const form::Rgb& rgb) {
  return RGB(static_cast<BYTE>(rgb.red), static_cast<BYTE>(rgb.green), static_cast<BYTE>(rgb.blue));
}

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
    case Kind::CommandButton: {
      const DWORD style = control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      return {L"BUTTON", WS_TABSTOP | style, 0};
    }
    case Kind::ComboBox:
      return {L"COMBOBOX", WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case Kind::Label:
      break;
  }
  // A caption is plain text: "&" marks no access key.
  return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
}

void registerClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) fail("RegisterClassExW");
}

// Leaves a trace for a debugger of an exception that a message's handler let
// go: the system's own frames would hide it otherwise.
void traceEscape(UINT message, std::string_view what) noexcept {
  try {
    std::array<wchar_t, 16> number{};
    swprintf(number.data(), number.size(), L"0x%04X", message);
    OutputDebugStringW((L"Quorvel: " + toWide(what) + L" left the handler of window message " +
                        number.data() + L", which took its default path\n")
                           .c_str());
  } catch (...) {
    OutputDebugStringW(L"Quorvel: an exception left the handler of a window message\n");
  }
}

}  // namespace

void WindowDestroyer::operator()(HWND window) const {
  // Unbound first: the object that goes with it serves none of its last messages.
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

frm_main::frm_main(HINSTANCE instance) : instance_(instance) {
  registerClass(instance, &windowProc);
  const std::wstring caption = toWide(form::kCaption);
  // The window procedure takes the window into window_ at its first message.
  if (CreateWindowExW(kExStyle, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this) == nullptr) {
    fail("CreateWindowExW");
  }
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    if (const auto& background = form::kControls.at(i).background) {
      backgrounds_.at(i).reset(CreateSolidBrush(colorOf(*background)));
      if (!backgrounds_.at(i)) fail("CreateSolidBrush");
    }
  }
  createControls();
  layOut(GetDpiForWindow(hwnd()));
  const SIZE frame = frameSize(dpi_);
  SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND frm_main::textBox(calc::TextBox box) const {
  return windowOf(*form::kTextBoxes.at(static_cast<std::size_t>(box)));
}

void frm_main::show(int showCommand) {
  shown_ = true;
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  focus_ = windowOf(*form::kTabOrder.front());
  SetFocus(focus_);
}

void frm_main::createControls() {
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    const Control& control = form::kControls.at(i);
    const WindowKind kind = windowKindOf(control);
    const std::wstring caption = toWide(control.caption);
    // Each control keeps off the others' pixels, so the one in front is drawn
    // whole whichever paints last.
    controls_.at(i) = CreateWindowExW(
        kind.exStyle, kind.className, caption.c_str(),
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, 0, 0, 0, 0, hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control))), instance_, nullptr);
    if (controls_.at(i) == nullptr) fail("CreateWindowExW of a control");
    // Edit boxes and the combo box's edit field count characters as UTF-16 units,
    // which for the digits and letters of an amount are characters.
    if (control.maxLength > 0) SendMessageW(controls_.at(i), EM_LIMITTEXT, control.maxLength, 0);
    // A combo box takes no text from its creation; its edit field gets it here.
    if (control.kind == Kind::ComboBox) SetWindowTextW(controls_.at(i), caption.c_str());
  }
  // The dialog manager walks Tab in this order too.
  for (const Control* control : form::kStackingOrder) {
    SetWindowPos(windowOf(*control), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

frm_main::Layout frm_main::layoutAt(UINT dpi) const {
  const auto pixels = [dpi](int twips) { return form::twipsToPixels(twips, dpi); };
  Layout layout{dpi, {}, {}, {}};
  for (std::size_t face = 0; face < layout.fonts.size(); ++face) {
    const form::FaceSetting& setting = form::kFaces.at(face);
    // A point is 20 twips.
    const int height = -pixels(static_cast<int>(setting.pointSize * 20));
    layout.fonts.at(face).reset(
        CreateFontW(height, 0, 0, 0, setting.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                    form::kGb2312Charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, songFamily().c_str()));
    if (!layout.fonts.at(face)) fail("CreateFontW");
  }
  for (std::size_t i = 0; i < layout.icons.size(); ++i) {
    const int size = GetSystemMetricsForDpi(kIconSizes.at(i).second, dpi);
    layout.icons.at(i).reset(static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0)));
    if (!layout.icons.at(i)) fail("LoadImageW of the icon");
  }

  const WindowDc dc(GetDC(hwnd()), DcReleaser{hwnd()});
  if (!dc) fail("GetDC");
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    const Control& control = form::kControls.at(i);
    int width = pixels(control.width);
    if (control.width == form::kSizedToCaption) {
      // Converted before the font is selected, which goes back before anything can throw.
      const std::wstring caption = toWide(control.caption);
      const HGDIOBJ dcFont =
          SelectObject(dc.get(), layout.fonts.at(static_cast<std::size_t>(control.face)).get());
      SIZE extent{};
      GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
      SelectObject(dc.get(), dcFont);
      width = extent.cx;
    }
    const int left = pixels(control.left);
    const int top = pixels(control.top);
    layout.places.at(i) = {left, top, left + width, top + pixels(control.height)};
  }
  return layout;
}

void frm_main::apply(Layout layout) noexcept {
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    const Control& control = form::kControls.at(i);
    HFONT font = layout.fonts.at(static_cast<std::size_t>(control.face)).get();
    SendMessageW(controls_.at(i), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const RECT& place = layout.places.at(i);
    SetWindowPos(controls_.at(i), nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (std::size_t i = 0; i < layout.icons.size(); ++i) {
    SendMessageW(hwnd(), WM_SETICON, kIconSizes.at(i).first,
                 reinterpret_cast<LPARAM>(layout.icons.at(i).get()));
  }
  dpi_ = layout.dpi;
  // The fonts and icons of an earlier DPI go once the window shows the new ones.
  fonts_ = std::move(layout.fonts);
  icons_ = std::move(layout.icons);
}

SIZE frm_main::frameSize(UINT dpi) const {
  RECT frame{0, 0, form::twipsToPixels(form::kClientWidth, dpi),
             form::twipsToPixels(form::kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

int frm_main::toPixels(int twips) const { return form::twipsToPixels(twips, dpi_); }

HWND frm_main::windowOf(const Control& control) const {
  return controls_.at(static_cast<std::size_t>(&control - form::kControls.data()));
}

void frm_main::paintLines() const {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd(), &paint);
  // One pixel in the colour of text, which a high-contrast theme sets too.
  const HGDIOBJ pen = SelectObject(dc, GetStockObject(DC_PEN));
  SetDCPenColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  for (const form::Line& line : form::kLines) {
    const int x1 = toPixels(line.x1);
    const int y1 = toPixels(line.y1);
    const int x2 = toPixels(line.x2);
    const int y2 = toPixels(line.y2);
    MoveToEx(dc, x1, y1, nullptr);
    // LineTo stops short of its end point; a rule reaches it.
    LineTo(dc, x2 + (x2 > x1 ? 1 : 0), y2 + (y2 > y1 ? 1 : 0));
  }
  SelectObject(dc, pen);
  EndPaint(hwnd(), &paint);
}

HBRUSH frm_main::colour(UINT message, HWND control, HDC dc) const {
  const auto* at = std::ranges::find(controls_, control);
  if (at == controls_.end()) return nullptr;
  const auto i = static_cast<std::size_t>(at - controls_.begin());
  const Control& c = form::kControls.at(i);
  if (!c.background && !c.foreground) return nullptr;
  // What the control does not set is the platform's: its brush, text and
  // background colours for that kind of control, set on the DC all three.
  HBRUSH brush = backgrounds_.at(i).get();
  if (!c.background) {
    brush = reinterpret_cast<HBRUSH>(DefWindowProcW(hwnd(), message, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(control)));
  }
  if (c.foreground) SetTextColor(dc, colorOf(*c.foreground));
  if (c.background) SetBkColor(dc, colorOf(*c.background));
  return brush;
}

LRESULT CALLBACK frm_main::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<frm_main*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_.reset(hwnd);
  }
  auto* self = reinterpret_cast<frm_main*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // The few messages before WM_NCCREATE, and the last ones of a window that
  // its owner destroys.
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Destroyed by Windows, as a close does: the owner lets it go, once.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    static_cast<void>(self->window_.release());
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  try {
    return self->handle(message, wParam, lParam);
  } catch (const std::exception& error) {
    traceEscape(message, error.what());
  } catch (...) {
    traceEscape(message, "an exception of no standard type");
  }
  // No exception may unwind through the system's frames, which it cannot
  // cross: the message takes the path it takes without a handler of the
  // program's, and the window goes on.
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT frm_main::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paintLines();
      return 0;
    // A read-only edit box asks for its colours as static text does.
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (HBRUSH brush =
              colour(message, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case DM_GETDEFID:
      // Enter, through the dialog manager, presses the default button.
      return MAKELRESULT(controlId(form::kDefaultButton), DC_HASDEFID);
    case WM_COMMAND:
      if (LOWORD(wParam) == controlId(form::control("Command1")) && HIWORD(wParam) == BN_CLICKED &&
          onClick_) {
        onClick_();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd(), focus) != FALSE) {
          focus_ = focus;
        }
      } else if (focus_ != nullptr) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_GETDPISCALEDSIZE:
      // The size that the layout will take at the new DPI, so that Windows
      // suggests a rectangle that fits it.
      *reinterpret_cast<SIZE*>(lParam) = frameSize(static_cast<UINT>(wParam));
      return TRUE;
    case WM_DPICHANGED: {
      layOut(HIWORD(wParam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(hwnd(), nullptr, TRUE);
      return 0;
    }
    case WM_DESTROY:
      // Only the end of a window that a user has seen ends the program's
      // events. One destroyed before, as when its creation fails midway, posts
      // no quit, which would end at once, unseen, the message box that says
      // why the program cannot start.
      if (shown_) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

}  // namespace win32ui
