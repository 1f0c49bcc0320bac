// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace calc {

// The character of UTF-8 text that starts at `at`, which moves past it; at
// must lie within the text. A malformed sequence gives nothing and moves past
// its longest valid beginning alone, at least one byte: each fault counts
// once, as the Unicode standard's replacement practice counts them.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& at) noexcept;

}  // namespace calc
