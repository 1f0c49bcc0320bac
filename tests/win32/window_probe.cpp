// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Looks at the running Windows program through the Windows API, as a user and
// a screen reader see it: controls are no X windows under Wine.
//   window_probe wait   waits for the window to be painted whole; prints its
//                       client area's corner and its frame's rectangle on the screen
//   window_probe check  checks the window, its keys and its notices, then closes it
//   window_probe dpi DPI  sees the window laid out for a screen of that DPI, and
//                       again after a move to a screen of 96 DPI and back
//   window_probe notice-open  opens a notice, sees the window disabled under it;
//                       prints where the window's close box and the notice's OK are
//   window_probe notice-closed  sees the notice closed and the window enabled again
//   window_probe out-of-memory  clicks a window whose clicks run out of memory
//                       and sees a notice each time and the window go on
//   window_probe start-failure  sees the message box of a program that could not
//                       start, and no window; prints its rectangle and where its OK is
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include "calc/command.h"
#include "calc/notice.h"
#include "calc/runtime_error.h"
#include "calc/start_failure.h"
#include "calc/start_texts.h"
#include "form/app_info.h"
#include "form/controls.h"
#include "form/twips.h"
#include "win32/control_id.h"
#include "win32/wide.h"

namespace {

using namespace std::chrono_literals;

int failures = 0;

void expect(bool ok, const std::string& what) {
  if (!ok) {
    std::fprintf(stderr, "FAIL: %s\n", what.c_str());
    ++failures;
  }
}

using win32ui::fromWide;
using win32ui::toWide;

// Ample time for a message to be served, where i386 programs are emulated on a busy host too.
constexpr UINT kServedMs = 30000;

// Keeps asking until the answer comes or the program has had ample time, where
// i386 programs are emulated on a busy host too.
bool waitFor(const std::function<bool()>& done) {
  for (auto waited = 0ms; waited < 120s; waited += 20ms) {
    if (done()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return done();
}

HWND mainWindow() { return FindWindowW(nullptr, toWide(form::kCaption).c_str()); }

HWND controlOf(HWND window, std::string_view name) {
  return GetDlgItem(
      window, win32ui::controlId(*std::ranges::find(form::kControls, name, &form::Control::name)));
}

std::string textOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  const auto length =
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return fromWide(text);
}

void setText(HWND control, std::string_view text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// The message box that the program has open, if any.
HWND messageBox() { return FindWindowW(L"#32770", toWide(form::kAppTitle).c_str()); }

constexpr int kPromptId = 0xFFFF;  // the static text of every message box

// The point in the middle of a window, where a user clicks it.
POINT centreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The middle of the window's close box, as the window itself tells it apart:
// found along the middle of its caption, from the right.
POINT closeBoxOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int y = (frame.top + client.y) / 2;
  const auto isCloseBox = [&](int x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, kServedMs, &hit);
    return hit == HTCLOSE;
  };
  int right = frame.right - 1;
  while (right > frame.left && !isCloseBox(right)) --right;
  int left = right;
  while (left > frame.left && isCloseBox(left - 1)) --left;
  expect(left < right, "the window has a close box in its caption");
  const POINT middle{(left + right) / 2, y};
  expect(WindowFromPoint(middle) == window, "the close box is in sight, in front of any other");
  return middle;
}

// The prompt of the open message box, after which its OK button is pressed.
std::string answerMessageBox(HWND window) {
  HWND box = nullptr;
  if (!waitFor([&] { return (box = messageBox()) != nullptr; })) return "(no message box)";
  expect(GetWindow(box, GW_OWNER) == window, "the message box is owned by the window");
  expect(textOf(box) == form::kAppTitle, "the message box's title: " + textOf(box));
  std::string prompt = textOf(GetDlgItem(box, kPromptId));
  expect(GetDlgItem(box, IDCANCEL) == nullptr, "the message box has OK alone");
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  expect(waitFor([] { return messageBox() == nullptr; }), "the message box closes on OK");
  return prompt;
}

// A click that must end without a notice.
void clickQuietly(HWND window) {
  DWORD_PTR result = 0;
  expect(SendMessageTimeoutW(controlOf(window, "Command1"), BM_CLICK, 0, 0, SMTO_NORMAL, kServedMs,
                             &result) != 0 &&
             messageBox() == nullptr,
         "the click ends without a notice");
}

void pressKey(HWND window, WPARAM key) {
  // While the focus moves it is for a moment in no control, and a key posted
  // to no window goes to the probe's own queue.
  HWND focus = nullptr;
  waitFor([&] { return (focus = focusOf(window)) != nullptr; });
  PostMessageW(focus, WM_KEYDOWN, key, 0);
  PostMessageW(focus, WM_KEYUP, key, 0);
}

// The control with the focus: the combo box for its edit field, and for the
// combo box itself while the focus passes through it into that field.
HWND focusedControl(HWND window) {
  HWND focus = focusOf(window);
  return focus != nullptr && GetParent(focus) != window ? GetParent(focus) : focus;
}

void type(HWND control, std::string_view text) {
  SendMessageW(control, EM_SETSEL, 0, -1);
  for (const wchar_t c : toWide(text)) SendMessageW(control, WM_CHAR, c, 0);
}

void paste(HWND control, std::string_view text) {
  const std::wstring clip = toWide(text);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(wchar_t));
  std::copy_n(clip.c_str(), clip.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  OpenClipboard(nullptr);
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  setText(control, "");
  SendMessageW(control, WM_PASTE, 0, 0);
}

void setEntries(HWND window, std::string_view income, std::string_view insurance,
                std::string_view exemption) {
  setText(controlOf(window, "Text1"), income);
  setText(controlOf(window, "Text2"), insurance);
  setText(controlOf(window, "Text3"), exemption);
}

// The window as it is laid out for a screen of the DPI: its client area, and
// each control at its place with the size that the controls table gives it.
void checkLayout(HWND window, UINT dpi) {
  const auto pixels = [dpi](int twips) { return form::twipsToPixels(twips, dpi); };
  const std::string at = " at " + std::to_string(dpi) + " DPI: ";
  // Wine draws every window's frame at the DPI of its one screen: the client
  // area has its size only where the frame is at the same DPI.
  if (GetDpiForSystem() == dpi) {
    RECT client{};
    GetClientRect(window, &client);
    expect(
        client.right == pixels(form::kClientWidth) && client.bottom == pixels(form::kClientHeight),
        "client area" + at + std::to_string(client.right) + "x" + std::to_string(client.bottom));
  }
  for (const form::Control& control : form::kControls) {
    RECT place{};
    GetWindowRect(controlOf(window, control.name), &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    // A label sized to its caption takes its font's width, a combo box its
    // edit field's height.
    expect(place.left == pixels(control.left) && place.top == pixels(control.top) &&
               (control.width == form::kSizedToCaption ||
                place.right - place.left == pixels(control.width)) &&
               (control.kind == form::Kind::ComboBox ||
                place.bottom - place.top == pixels(control.height)),
           std::string(control.name) + at + std::to_string(place.left) + "," +
               std::to_string(place.top) + " " + std::to_string(place.right - place.left) + "x" +
               std::to_string(place.bottom - place.top));
  }
  const auto style = GetWindowLongW(window, GWL_STYLE);
  expect((style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0, "a fixed frame without maximise box");
  expect(textOf(window) == form::kCaption, "caption " + textOf(window));
}

// Sends the window a message whose lParam points to the value, which it may
// change: the value is lent to the window's process for the message, as
// Windows carries the data of no such message from another process.
template <typename T>
void sendPointing(HWND window, UINT message, WPARAM wParam, T& value) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  if (void* lent = VirtualAllocEx(process, nullptr, sizeof value, MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE)) {
    WriteProcessMemory(process, lent, &value, sizeof value, nullptr);
    SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(lent));
    ReadProcessMemory(process, lent, &value, sizeof value, nullptr);
    VirtualFreeEx(process, lent, 0, MEM_RELEASE);
  } else {
    expect(false, "memory in the window's process, error " + std::to_string(GetLastError()));
  }
  CloseHandle(process);
}

// The window moved to a screen of the DPI, as Windows moves it: asked for its
// size there, then told the DPI and the rectangle that fits that size.
void moveToScreen(HWND window, UINT dpi) {
  SIZE size{};
  sendPointing(window, WM_GETDPISCALEDSIZE, dpi, size);
  RECT suggested{};
  GetWindowRect(window, &suggested);
  suggested.right = suggested.left + size.cx;
  suggested.bottom = suggested.top + size.cy;
  sendPointing(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), suggested);
}

// Its caption is its start text.
constexpr const form::Control& kCombo1 = form::control("Combo1");

void checkStartTexts(HWND window) {
  const auto texts = calc::startTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const form::Control& box = *form::kTextBoxes.at(i);
    expect(textOf(controlOf(window, box.name)) == texts.at(i),
           std::string(box.name) + " starts with " + textOf(controlOf(window, box.name)));
  }
  expect(textOf(controlOf(window, kCombo1.name)) == kCombo1.caption,
         "Combo1 starts with " + textOf(controlOf(window, kCombo1.name)));
  expect(focusOf(window) == controlOf(window, "Text1"), "the focus starts in Text1");
}

// Tab walks Text1, Text2, Text3, Command1, Text4, Combo1 and back to Text1.
void checkTabOrder(HWND window) {
  for (std::size_t i = 1; i <= form::kTabOrder.size(); ++i) {
    const form::Control& next = *form::kTabOrder.at(i % form::kTabOrder.size());
    HWND expected = GetDlgItem(window, win32ui::controlId(next));
    pressKey(window, VK_TAB);
    expect(waitFor([&] { return focusedControl(window) == expected; }),
           "Tab moves to " + std::string(next.name));
  }
}

// Each entry with a limit keeps that many characters, typed or pasted, of a
// megabyte too.
void checkLimits(HWND window) {
  for (const form::Control* entry : form::kTextBoxes) {
    if (entry->maxLength == 0) continue;
    HWND box = controlOf(window, entry->name);
    const std::string kept(static_cast<std::size_t>(entry->maxLength), '7');
    type(box, kept + "7");
    expect(textOf(box) == kept, std::string(entry->name) + " typed: " + textOf(box));
    paste(box, std::string(1 << 20, '7'));
    expect(textOf(box) == kept, std::string(entry->name) + " pasted: " + textOf(box).substr(0, 20));
  }
}

// A burst of clicks is served one after another, each to its end.
void checkBurst(HWND window) {
  HWND text4 = controlOf(window, "Text4");
  setEntries(window, "6000", "500", "3500");
  setText(text4, "");
  for (int i = 0; i < 100; ++i) PostMessageW(controlOf(window, "Command1"), BM_CLICK, 0, 0);
  // A mark posted behind the clicks, served after the last of them: a
  // character limit for Text4, which takes no typing.
  constexpr int kMark = 4711;
  PostMessageW(text4, EM_SETLIMITTEXT, kMark, 0);
  expect(waitFor([&] { return SendMessageW(text4, EM_GETLIMITTEXT, 0, 0) == kMark; }),
         "the program serves the burst to its end");
  expect(messageBox() == nullptr, "a burst of clicks gives no notice");
  expect(textOf(text4) == "95", "a burst of 100 clicks gives " + textOf(text4));
}

void checkCalculations(HWND window) {
  HWND text4 = controlOf(window, "Text4");
  // Enter in an entry presses the default button, Command1: Tab went round
  // to Text1.
  setEntries(window, "3000", "0", "3500");
  expect(focusedControl(window) == controlOf(window, "Text1"), "the focus is back in Text1");
  pressKey(window, VK_RETURN);
  HWND box = nullptr;
  expect(waitFor([&] { return (box = messageBox()) != nullptr; }), "Enter presses Command1");
  expect(textOf(text4) == "0", "Text4 shows 0 under the zero-tax notice: " + textOf(text4));
  expect(answerMessageBox(window) == calc::prompt(calc::kNotices[calc::NoTaxDue]),
         "3000 gives the zero-tax notice");
  expect(waitFor([&] { return textOf(text4).empty(); }), "Text4 is emptied after the notice");

  setEntries(window, "6000", "500", "3500");
  clickQuietly(window);
  setText(controlOf(window, "Text3"), "9e99");
  PostMessageW(controlOf(window, "Command1"), BM_CLICK, 0, 0);
  expect(
      answerMessageBox(window) == calc::RuntimeError(calc::RuntimeError::Kind::Overflow).prompt(),
      "an exemption of 9e99 gives the overflow box");
  expect(textOf(text4) == "95", "Text4 keeps 95 after the overflow: " + textOf(text4));
}

}  // namespace

// The message box of a program that could not start: its own, with no window.
int startFailure() {
  HWND box = nullptr;
  if (!waitFor([&] { return (box = messageBox()) != nullptr && IsWindowVisible(box) != FALSE; })) {
    std::fprintf(stderr, "FAIL: no message box titled %s\n", form::kAppTitle.data());
    return 1;
  }
  const std::string prompt = textOf(GetDlgItem(box, kPromptId));
  std::string lines = prompt;
  std::ranges::replace(lines, '\r', '\n');
  std::fprintf(stderr, "the message box says:\n%s\n", lines.c_str());
  // Why it cannot start follows the prompt of a failure that says nothing.
  expect(
      prompt.starts_with(calc::startFailurePrompt(std::make_exception_ptr(std::runtime_error("")))),
      "the message box says that the program cannot start, and why");
  expect(GetWindow(box, GW_OWNER) == nullptr && mainWindow() == nullptr,
         "the message box stands alone: the window is gone");
  if (failures != 0) return 1;
  RECT rect{};
  GetWindowRect(box, &rect);
  const POINT ok = centreOf(GetDlgItem(box, IDOK));
  std::printf("%ld %ld %ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top, ok.x, ok.y);
  return 0;
}

int main(int argc, char** argv) {
  // Every place and size in the screen's own pixels, at any DPI.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  const std::string_view command = argc >= 2 ? argv[1] : "";
  if (command == "start-failure") return startFailure();
  HWND window = nullptr;
  if (!waitFor(
          [&] { return (window = mainWindow()) != nullptr && IsWindowVisible(window) != FALSE; })) {
    std::fprintf(stderr, "FAIL: no window titled %s\n", form::kCaption.data());
    return 1;
  }
  if (command == "wait") {
    // Painted: neither the window nor a control has anything left to paint.
    const auto painted = [](HWND part) { return GetUpdateRect(part, nullptr, FALSE) == 0; };
    const auto allPainted = [&] {
      if (!painted(window)) return false;
      for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
           child = GetWindow(child, GW_HWNDNEXT)) {
        if (!painted(child)) return false;
      }
      return true;
    };
    if (!waitFor(allPainted)) {
      std::fprintf(stderr, "FAIL: the window is never painted whole\n");
      return 1;
    }
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    RECT frame{};
    GetWindowRect(window, &frame);
    std::printf("%ld %ld %ld %ld %ld %ld\n", corner.x, corner.y, frame.left, frame.top,
                frame.right - frame.left, frame.bottom - frame.top);
    return 0;
  }
  if (command == "notice-open") {
    PostMessageW(controlOf(window, "Command1"), BM_CLICK, 0, 0);
    HWND box = nullptr;
    if (!waitFor(
            [&] { return (box = messageBox()) != nullptr && IsWindowVisible(box) != FALSE; })) {
      std::fprintf(stderr, "FAIL: a click with the start texts gives no notice\n");
      return 1;
    }
    expect(textOf(GetDlgItem(box, kPromptId)) == calc::prompt(calc::kNotices[calc::NotANumber]),
           "a click with the start texts gives notice 1");
    expect(textOf(controlOf(window, "Text4")) == "0", "Text4 keeps 0 under notice 1");
    expect(IsWindowEnabled(window) == FALSE, "the window is disabled while its notice is open");
    const POINT close = closeBoxOf(window);
    if (failures != 0) return 1;
    const POINT ok = centreOf(GetDlgItem(box, IDOK));
    std::printf("%ld %ld %ld %ld\n", close.x, close.y, ok.x, ok.y);
    return 0;
  }
  if (command == "notice-closed") {
    expect(waitFor([] { return messageBox() == nullptr; }), "the notice closes on OK");
    expect(IsWindowEnabled(window) != FALSE, "the window is enabled again after its notice");
    return failures == 0 ? 0 : 1;
  }
  if (command == "out-of-memory") {
    for (int click = 0; click < 2; ++click) {
      PostMessageW(controlOf(window, "Command1"), BM_CLICK, 0, 0);
      expect(answerMessageBox(window) ==
                 calc::RuntimeError(calc::RuntimeError::Kind::OutOfMemory).prompt(),
             "a click out of memory gives its notice");
      DWORD_PTR result = 0;
      expect(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kServedMs, &result) != 0,
             "the window serves its messages after the click");
      expect(textOf(controlOf(window, "Text4")) == "0", "Text4 keeps 0");
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    return failures == 0 ? 0 : 1;
  }
  if (command == "dpi" && argc == 3) {
    const auto dpi = static_cast<UINT>(std::strtoul(argv[2], nullptr, 10));
    expect(GetDpiForSystem() == dpi, "the screen's DPI: " + std::to_string(GetDpiForSystem()));
    checkLayout(window, dpi);
    for (const UINT next : {UINT{USER_DEFAULT_SCREEN_DPI}, dpi}) {
      moveToScreen(window, next);
      checkLayout(window, next);
    }
    return failures == 0 ? 0 : 1;
  }
  if (command != "check") {
    std::fprintf(stderr,
                 "usage: window_probe wait|check|dpi DPI|notice-open|notice-closed|out-of-memory|"
                 "start-failure\n");
    return 2;
  }
  checkLayout(window, USER_DEFAULT_SCREEN_DPI);
  checkStartTexts(window);
  checkTabOrder(window);
  checkLimits(window);
  checkCalculations(window);
  // The program goes on after the overflow.
  checkBurst(window);
  PostMessageW(window, WM_CLOSE, 0, 0);
  return failures == 0 ? 0 : 1;
}
