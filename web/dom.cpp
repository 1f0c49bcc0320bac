// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/dom.h"

#include "form/twips.h"

namespace web {
namespace {

// A CSS pixel is a 96th of an inch.
constexpr double kCssPixelsPerInch = 96;

}  // namespace

using emscripten::val;

val jsString(std::string_view text) { return val(std::string(text)); }

val createElement(std::string_view tag) {
  return val::global("document").call<val>("createElement", jsString(tag));
}

val createElement(std::string_view tag, std::string_view id) {
  val element = createElement(tag);
  element.set("id", jsString(id));
  return element;
}

void setAttribute(const val& element, std::string_view name, std::string_view value) {
  element.call<void>("setAttribute", jsString(name), jsString(value));
}

void setStyle(const val& element, std::string_view property, std::string_view value) {
  element["style"].call<void>("setProperty", jsString(property), jsString(value));
}

void listen(const val& element, std::string_view type, const char* exported) {
  element.call<void>("addEventListener", jsString(type), val::module_property(exported));
}

int toPixels(int twips) { return form::twipsToPixels(twips, kCssPixelsPerInch); }

std::string cssPixels(int twips) { return std::to_string(toPixels(twips)) + "px"; }

}  // namespace web
