// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Reads back the compiled resources of the Windows program file and the icon
// file they carry.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes readFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

std::uint32_t word(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t dword(const Bytes& b, std::size_t at) { return word(b, at) | word(b, at + 2) << 16; }
std::size_t aligned(std::size_t at) { return (at + 3) & ~std::size_t{3}; }

// A UTF-16 text ending in a zero, as UTF-8; `at` moves past it.
std::string text16(const Bytes& b, std::size_t& at) {
  std::string out;
  for (std::uint32_t c; (c = word(b, at)) != 0; at += 2) {
    if (c >= 0xD800 && c < 0xDC00) c = 0x10000 + ((c - 0xD800) << 10) + (word(b, at += 2) - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
      out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
              static_cast<char>(0x80 | (c & 0x3F))};
    }
  }
  at += 2;
  return out;
}

// The resources of a .res file by type and numeric name.
std::map<std::pair<std::uint32_t, std::uint32_t>, Bytes> resources(const Bytes& res) {
  std::map<std::pair<std::uint32_t, std::uint32_t>, Bytes> out;
  for (std::size_t at = 0; at < res.size();) {
    const std::uint32_t dataSize = dword(res, at);
    const std::uint32_t headerSize = dword(res, at + 4);
    EXPECT_EQ(word(res, at + 8), 0xFFFFu) << "a resource type by name";
    EXPECT_EQ(word(res, at + 12), 0xFFFFu) << "a resource named by text";
    const auto data = res.begin() + static_cast<std::ptrdiff_t>(at + headerSize);
    out[{word(res, at + 10), word(res, at + 14)}] = Bytes(data, data + dataSize);
    at = aligned(at + headerSize + dataSize);
  }
  return out;
}

// One node of the version record: its key, its value and its children.
struct Node {
  std::string key;
  Bytes value;
  std::uint32_t type;
  std::vector<Node> children;
};

Node node(const Bytes& b, std::size_t at) {
  const std::size_t end = at + word(b, at);
  const std::uint32_t valueLength = word(b, at + 2);
  Node n{.key = {}, .value = {}, .type = word(b, at + 4), .children = {}};
  std::size_t p = at + 6;
  n.key = text16(b, p);
  p = aligned(p);
  const std::size_t valueBytes = n.type == 1 ? valueLength * 2 : valueLength;
  n.value.assign(b.begin() + static_cast<std::ptrdiff_t>(p),
                 b.begin() + static_cast<std::ptrdiff_t>(p + valueBytes));
  for (p = aligned(p + valueBytes); p < end; p = aligned(p + word(b, p))) {
    n.children.push_back(node(b, p));
  }
  return n;
}

constexpr std::uint32_t kIcon = 3, kGroupIcon = 14, kVersion = 16;

const Bytes kRes = readFile(QUORVEL_RES_FILE);
const Bytes kIco = readFile(QUORVEL_ICO_FILE);

TEST(IconFile, HoldsTwelveImagesInOrder) {
  ASSERT_GE(kIco.size(), 6u + 12 * 16);
  EXPECT_EQ(word(kIco, 0), 0u);
  EXPECT_EQ(word(kIco, 2), 1u);
  ASSERT_EQ(word(kIco, 4), 12u);
  int entry = 0;
  for (const int depth : {4, 8, 32}) {
    for (const int size : {48, 32, 24, 16}) {
      SCOPED_TRACE(std::to_string(size) + " px at " + std::to_string(depth) + " bits");
      const std::size_t at = 6 + 16 * entry++;
      EXPECT_EQ(kIco[at], size);
      EXPECT_EQ(kIco[at + 1], size);
      EXPECT_EQ(kIco[at + 2], depth == 4 ? 16 : 0);
      EXPECT_EQ(word(kIco, at + 6), static_cast<std::uint32_t>(depth));
      const std::size_t image = dword(kIco, at + 12);
      const std::uint32_t rowBytes = (size * depth + 31) / 32 * 4;
      const std::uint32_t maskBytes = (size + 31) / 32 * 4;
      const std::uint32_t paletteBytes = depth == 32 ? 0 : 4u << depth;
      EXPECT_EQ(dword(kIco, at + 8), 40 + paletteBytes + (rowBytes + maskBytes) * size);
      EXPECT_EQ(dword(kIco, image), 40u);  // the header's own size
      EXPECT_EQ(dword(kIco, image + 4), static_cast<std::uint32_t>(size));
      EXPECT_EQ(dword(kIco, image + 8), static_cast<std::uint32_t>(2 * size));  // with the mask
      EXPECT_EQ(word(kIco, image + 14), static_cast<std::uint32_t>(depth));
    }
  }
}

TEST(VersionRecord, FixedPart) {
  const Node record = node(resources(kRes).at({kVersion, 1}), 0);
  EXPECT_EQ(record.key, "VS_VERSION_INFO");
  ASSERT_EQ(record.value.size(), 52u);
  EXPECT_EQ(dword(record.value, 0), 0xFEEF04BDu);
  EXPECT_EQ(dword(record.value, 8), 0x00000001u);   // file version 0.1
  EXPECT_EQ(dword(record.value, 12), 0x00000005u);  // .0.5
  EXPECT_EQ(dword(record.value, 16), 0x00000001u);  // product version likewise
  EXPECT_EQ(dword(record.value, 20), 0x00000005u);
  EXPECT_EQ(dword(record.value, 28), 0u);  // no file flags
  EXPECT_EQ(dword(record.value, 32), 4u);  // 32-bit Windows
  EXPECT_EQ(dword(record.value, 36), 1u);  // an application
}

TEST(VersionRecord, StringTableAndTranslation) {
  const Node record = node(resources(kRes).at({kVersion, 1}), 0);
  ASSERT_EQ(record.children.size(), 2u);
  const Node& strings = record.children[0];
  EXPECT_EQ(strings.key, "StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u);
  const Node& table = strings.children[0];
  EXPECT_EQ(table.key, "080404B0");

  const std::vector<std::pair<std::string, std::string>> expected{
      {"Comments", "E-mail:veskaro@example.com"},
      {"CompanyName", "Veskaro"},
      {"ProductName", "Quorvel"},
      {"FileVersion", "0.01.0005"},
      {"ProductVersion", "0.01.0005"},
      {"InternalName", "新Quorvel ver 0.1.5"},
      {"OriginalFilename", "新Quorvel ver 0.1.5.exe"}};
  std::vector<std::pair<std::string, std::string>> actual;
  for (const Node& entry : table.children) {
    std::size_t at = 0;
    actual.emplace_back(entry.key, text16(entry.value, at));
  }
  EXPECT_EQ(actual, expected);

  const Node& variables = record.children[1];
  EXPECT_EQ(variables.key, "VarFileInfo");
  ASSERT_EQ(variables.children.size(), 1u);
  EXPECT_EQ(variables.children[0].key, "Translation");
  EXPECT_EQ(variables.children[0].value, (Bytes{0x04, 0x08, 0xB0, 0x04}));
}

TEST(VersionRecord, IconGroupOneHoldsTheIconFile) {
  const auto all = resources(kRes);
  const Bytes& group = all.at({kGroupIcon, 1});
  ASSERT_EQ(word(group, 4), 12u);
  for (std::size_t i = 0; i < 12; ++i) {
    SCOPED_TRACE("image " + std::to_string(i));
    const std::size_t entry = 6 + 14 * i;
    const std::size_t fileEntry = 6 + 16 * i;
    // The group entry is the file's, with the image's resource id for its offset.
    EXPECT_TRUE(std::equal(group.begin() + static_cast<std::ptrdiff_t>(entry),
                           group.begin() + static_cast<std::ptrdiff_t>(entry + 12),
                           kIco.begin() + static_cast<std::ptrdiff_t>(fileEntry)));
    const auto offset = static_cast<std::ptrdiff_t>(dword(kIco, fileEntry + 12));
    const Bytes fileImage(kIco.begin() + offset,
                          kIco.begin() + offset + dword(kIco, fileEntry + 8));
    EXPECT_EQ(all.at({kIcon, word(group, entry + 12)}), fileImage);
  }
}

}  // namespace
