// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace web {

// UTF-8 text as a JavaScript string. A bare C string would be read as Latin-1.
emscripten::val jsString(std::string_view text);

// A new element of the page, with the id by which the page names it.
emscripten::val createElement(std::string_view tag);
emscripten::val createElement(std::string_view tag, std::string_view id);

void setAttribute(const emscripten::val& element, std::string_view name, std::string_view value);

void setStyle(const emscripten::val& element, std::string_view property, std::string_view value);

// Calls the function that the page exports under that name at each event of
// that type on the element.
void listen(const emscripten::val& element, std::string_view type, const char* exported);

// A length in twips as CSS pixels: 15 twips a pixel, which the page's zoom scales.
int toPixels(int twips);
std::string cssPixels(int twips);

}  // namespace web
