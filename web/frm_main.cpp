// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/frm_main.h"

#include <map>
#include <string>

#include "form/accessible_name.h"
#include "form/controls.h"
#include "web/dom.h"
#include "web/face.h"

namespace web {
namespace {

using emscripten::val;
using form::Control;
using form::Kind;

// The page walks Tab through its controls in the order they stand in it: the
// controls go in by the stacking order, which sorts them as the tab order does.
consteval bool stackingKeepsTheTabOrder() {
  std::size_t next = 0;
  for (const Control* control : form::kStackingOrder) {
    if (next < form::kTabOrder.size() && control == form::kTabOrder.at(next)) ++next;
  }
  return next == form::kTabOrder.size();
}
static_assert(stackingKeepsTheTabOrder(), "the stacking order walks the controls out of tab order");

std::string cssColor(const form::Rgb& rgb) {
  return "rgb(" + std::to_string(rgb.red) + " " + std::to_string(rgb.green) + " " +
         std::to_string(rgb.blue) + ")";
}

val makeElement(const Control& control) {
  switch (control.kind) {
    case Kind::TextBox: {
      val box = createElement("input", control.name);
      box.set("type", jsString("text"));
      if (control.maxLength > 0) box.set("maxLength", control.maxLength);
      if (control.centred) setStyle(box, "text-align", "center");
      box.set("readOnly", control.readOnly);
      return box;
    }
    case Kind::CommandButton: {
      val button = createElement("button", control.name);
      button.set("type", jsString(control.isDefault ? "submit" : "button"));
      button.set("textContent", jsString(control.caption));
      return button;
    }
    case Kind::ComboBox: {
      val combo = createElement("select", control.name);
      val item = createElement("option");
      item.set("textContent", jsString(control.caption));
      combo.call<void>("append", item);
      return combo;
    }
    case Kind::Label:
      break;
  }
  val label = createElement("div", control.name);
  label.set("textContent", jsString(control.caption));
  return label;
}

// A line of the toolkit's default pen: one pixel in the text colour, its
// last point drawn too.
val makeLine(const form::Line& line) {
  val element = createElement("div", line.name);
  setStyle(element, "left", cssPixels(line.x1));
  setStyle(element, "top", cssPixels(line.y1));
  setStyle(element, "width", std::to_string(toPixels(line.x2) - toPixels(line.x1) + 1) + "px");
  setStyle(element, "height", std::to_string(toPixels(line.y2) - toPixels(line.y1) + 1) + "px");
  setStyle(element, "background-color", "currentcolor");
  return element;
}

}  // namespace

FrmMain::FrmMain() : form_(createElement("form", "frm_main")) {
  setAttribute(form_, "aria-label", form::kCaption);
  setFace(form_, form::Face::Window);
  setStyle(form_, "width", cssPixels(form::kClientWidth));
  setStyle(form_, "height", cssPixels(form::kClientHeight));

  std::map<const Control*, val> elements;
  for (std::size_t place = 0; place < form::kStackingOrder.size(); ++place) {
    const Control& control = *form::kStackingOrder.at(place);
    val element = makeElement(control);
    setFace(element, control.face);
    setStyle(element, "left", cssPixels(control.left));
    setStyle(element, "top", cssPixels(control.top));
    // A label sized to its caption is as wide as the browser draws it.
    if (control.width != form::kSizedToCaption) {
      setStyle(element, "width", cssPixels(control.width));
    }
    setStyle(element, "height", cssPixels(control.height));
    // The first in the stacking order stands in front.
    setStyle(element, "z-index", std::to_string(form::kStackingOrder.size() - place));
    if (control.background) setStyle(element, "background-color", cssColor(*control.background));
    if (control.foreground) setStyle(element, "color", cssColor(*control.foreground));
    const std::string name = form::accessibleName(control);
    if (!name.empty()) setAttribute(element, "aria-label", name);
    form_.call<void>("append", element);
    elements.emplace(&control, element);
  }
  for (const form::Line& line : form::kLines) form_.call<void>("append", makeLine(line));

  for (const Control* box : form::kTextBoxes) textBoxes_.push_back(elements.at(box));
  val::global("document")["body"].call<void>("append", form_);
  elements.at(form::kTabOrder.front()).call<void>("focus");
}

emscripten::val FrmMain::textBox(calc::TextBox box) const {
  return textBoxes_.at(static_cast<std::size_t>(box));
}

}  // namespace web
