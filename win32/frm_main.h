// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <stdexcept>

#include "calc/host.h"
#include "form/controls.h"
#include "win32/gdi_owner.h"

namespace win32ui {

// A window, control, font or icon that Windows would not make; the program
// cannot start without it.
class CreationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Destroys a window of the program's own: the object that it was bound to at
// its creation no longer serves its last messages.
struct WindowDestroyer {
  void operator()(HWND window) const;
};

// The one window: its controls stand where the controls table puts them, at
// the window's own DPI, and never move.
class frm_main {
 public:
  // Throws a CreationError when the window or one of its controls cannot be made.
  explicit frm_main(HINSTANCE instance);
  frm_main(const frm_main&) = delete;
  frm_main& operator=(const frm_main&) = delete;
  frm_main(frm_main&&) = delete;
  frm_main& operator=(frm_main&&) = delete;

  HWND hwnd() const { return window_.get(); }
  HWND textBox(calc::TextBox box) const;
  // The window of a control.
  HWND windowOf(const form::Control& control) const;

  // Shows the window with the focus in the first control of the tab order.
  void show(int showCommand);
  // What a click of Command1 runs.
  void onCommand1Click(std::function<void()> handler) { onClick_ = std::move(handler); }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  // The fonts, icons and places of the controls at one DPI.
  struct Layout {
    UINT dpi;
    std::array<GdiObject<HFONT>, form::kFaces.size()> fonts;
    std::array<Icon, 2> icons;  // the big and the small one
    std::array<RECT, form::kControls.size()> places;
  };

  void createControls();
  // Gives the controls their places and fonts, and the window its icons, for
  // the DPI: whole, or not at all when a font or icon cannot be made.
  void layOut(UINT dpi) { apply(layoutAt(dpi)); }
  // Throws a CreationError when a font, icon or the window's device context
  // cannot be had; changes nothing.
  Layout layoutAt(UINT dpi) const;
  void apply(Layout layout) noexcept;
  // The size of the window's frame around the client area at the DPI.
  SIZE frameSize(UINT dpi) const;
  void paintLines() const;
  // The colours of a control that has its own, or nothing for the platform's;
  // message is the WM_CTLCOLOR message that asks.
  HBRUSH colour(UINT message, HWND control, HDC dc) const;
  int toPixels(int twips) const;

  HINSTANCE instance_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::array<HWND, form::kControls.size()> controls_{};
  std::array<GdiObject<HFONT>, form::kFaces.size()> fonts_;
  std::array<GdiObject<HBRUSH>, form::kControls.size()> backgrounds_;  // for a colour of its own
  std::array<Icon, 2> icons_;
  HWND focus_ = nullptr;  // where the focus returns when the window is activated again
  bool shown_ = false;    // once shown, its end ends the program's events
  std::function<void()> onClick_;
  // Last, so that the window goes before the fonts, brushes and icons it shows.
  std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer> window_;
};

}  // namespace win32ui
