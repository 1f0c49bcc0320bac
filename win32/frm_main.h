// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "calc/host.h"
#include "form/controls.h"

namespace win32ui {

// The one window: its controls stand where the controls table puts them, at
// the window's own DPI, and never move.
class frm_main {
 public:
  explicit frm_main(HINSTANCE instance);
  ~frm_main();
  frm_main(const frm_main&) = delete;
  frm_main& operator=(const frm_main&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND textBox(calc::TextBox box) const;
  HWND command1() const { return command1_; }
  // The window of a control; none for a line.
  HWND windowOf(const form::Control& control) const;

  // Shows the window with the focus in the first control of the tab order.
  void show(int showCommand);
  // What a click of Command1 runs.
  void onCommand1Click(std::function<void()> handler) { onClick_ = std::move(handler); }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  void createControls();
  // Places the controls and sizes the window for the given DPI, with its fonts.
  void layOut(UINT dpi);
  void paintLines();
  // The colours of a control that has its own, or nothing for the platform's.
  HBRUSH colour(HWND control, HDC dc) const;
  int toPixels(int twips) const;
  void setIcons(UINT dpi);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::array<HWND, form::kControls.size()> controls_{};  // none for a line
  std::array<HFONT, form::kFaces.size()> fonts_{};
  std::array<HWND, 4> textBoxes_{};  // Text1..Text4
  HWND command1_ = nullptr;
  HWND focus_ = nullptr;  // where the focus returns when the window is activated again
  std::array<HBRUSH, form::kControls.size()> backgrounds_{};  // for a colour of its own
  std::function<void()> onClick_;
};

}  // namespace win32ui
