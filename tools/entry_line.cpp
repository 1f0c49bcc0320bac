// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "tools/entry_line.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>

#include "calc/start_texts.h"

namespace quorvel_calc {
namespace {

using Json = nlohmann::json;

constexpr std::array<std::string_view, 4> kKeys{"Text1", "Text2", "Text3", "Text4"};
constexpr auto kNever = std::numeric_limits<std::uint64_t>::max();

// Takes the entries as the parser meets them, with no JSON value built for the
// line: a batch of lines spends most of its time in building and freeing one.
class Reader final : public nlohmann::json_sax<Json> {
 public:
  EntryLine result() && {
    if (syntaxError_) return {{}, std::move(syntaxError_)};
    if (!object_) return {{}, "the line is not a JSON object"};
    // The first key that is unknown, or whose last value is no string.
    std::uint64_t first = firstUnknown_;
    std::optional<std::size_t> badSlot;
    for (std::size_t slot = 0; slot < kKeys.size(); ++slot) {
      if (!string_[slot] && seenAt_[slot] < first) {
        first = seenAt_[slot];
        badSlot = slot;
      }
    }
    if (badSlot) {
      return {{}, "the value of \"" + std::string(kKeys[*badSlot]) + "\" is not a string"};
    }
    if (first != kNever) return {{}, "unknown key \"" + unknownKey_ + "\""};
    return {std::move(texts_), std::nullopt};
  }

  bool null() override { return value(false); }
  bool boolean(bool /*value*/) override { return value(false); }
  bool number_integer(number_integer_t /*value*/) override { return value(false); }
  bool number_unsigned(number_unsigned_t /*value*/) override { return value(false); }
  bool number_float(number_float_t /*value*/, const string_t& /*text*/) override {
    return value(false);
  }
  bool binary(binary_t& /*value*/) override { return value(false); }
  bool string(string_t& text) override {
    if (depth_ == 1 && object_ && slot_) texts_[*slot_] = std::move(text);
    return value(true);
  }

  bool start_object(std::size_t /*elements*/) override {
    if (depth_ == 0) object_ = true;
    return open();
  }
  bool start_array(std::size_t /*elements*/) override { return open(); }
  bool end_object() override { return close(); }
  bool end_array() override { return close(); }

  bool key(string_t& key) override {
    if (depth_ != 1) return true;  // within a value, which is no string anyway
    const auto* known = std::find(kKeys.begin(), kKeys.end(), key);
    if (known == kKeys.end()) {
      slot_.reset();
      if (firstUnknown_ == kNever) {
        firstUnknown_ = keys_;
        unknownKey_ = std::move(key);
      }
    } else {
      slot_ = static_cast<std::size_t>(known - kKeys.begin());
      seenAt_[*slot_] = std::min(seenAt_[*slot_], keys_);
    }
    ++keys_;
    return true;
  }

  bool parse_error(std::size_t /*position*/, const std::string& /*token*/,
                   const nlohmann::detail::exception& error) override {
    syntaxError_ = error.what();  // a syntax error, or a number beyond range
    return false;
  }

 private:
  // A value of the key just read when it stands right in the line's object.
  bool value(bool isString) {
    if (depth_ == 1 && object_ && slot_) string_[*slot_] = isString;
    return true;
  }
  bool open() {
    value(false);
    ++depth_;
    return true;
  }
  bool close() {
    --depth_;
    return true;
  }

  std::array<std::string, 4> texts_ = calc::startTexts();
  std::array<bool, 4> string_{};  // whether each key's last value was a string
  std::array<std::uint64_t, 4> seenAt_{kNever, kNever, kNever, kNever};  // first key numbers
  std::optional<std::size_t> slot_;  // of the key just read; none for an unknown one
  std::uint64_t keys_ = 0;           // keys of the line's object read so far
  std::uint64_t firstUnknown_ = kNever;
  std::string unknownKey_;
  std::size_t depth_ = 0;
  bool object_ = false;
  std::optional<std::string> syntaxError_;
};

}  // namespace

EntryLine readEntryLine(std::string_view line) {
  Reader reader;
  Json::sax_parse(line, &reader);
  return std::move(reader).result();
}

}  // namespace quorvel_calc
