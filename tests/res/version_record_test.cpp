// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Reads back the resources of the linked Windows program file, the version
// record and the icon group among them, and the icon file they carry.
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

struct Resource {
  std::uint32_t language;
  Bytes data;
};

using Resources = std::map<std::pair<std::uint32_t, std::uint32_t>, Resource>;

// Where the bytes of a relative virtual address lie in the program file.
std::size_t fileOffset(const Bytes& program, std::uint32_t rva) {
  const std::size_t header = dword(program, 0x3C);
  const std::size_t sections = header + 24 + word(program, header + 20);
  for (std::size_t i = 0; i < word(program, header + 6); ++i) {
    const std::size_t section = sections + 40 * i;
    const std::uint32_t start = dword(program, section + 12);
    if (rva >= start && rva < start + dword(program, section + 8)) {
      return rva - start + dword(program, section + 20);
    }
  }
  ADD_FAILURE() << "no section holds address " << rva;
  return 0;
}

// The resources of the program file by type and numeric name, walked down
// the three levels of its resource directory: type, name, language.
Resources resources(const Bytes& program) {
  const std::size_t header = dword(program, 0x3C);
  EXPECT_EQ(dword(program, header), 0x4550u) << "no PE signature";
  const std::size_t optional = header + 24;
  const bool pe32 = word(program, optional) == 0x10B;
  const std::size_t directories = optional + (pe32 ? 96 : 112);
  constexpr std::size_t kResourceDirectory = 2;  // the third of the data directories
  const std::size_t root =
      fileOffset(program, dword(program, directories + kResourceDirectory * 8));

  const auto entries = [&](std::size_t directory) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> out;  // id, offset from the root
    const std::size_t count = word(program, directory + 12) + word(program, directory + 14);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t entry = directory + 16 + 8 * i;
      EXPECT_EQ(dword(program, entry) & 0x80000000u, 0u) << "a resource named by text";
      out.emplace_back(dword(program, entry), dword(program, entry + 4) & 0x7FFFFFFFu);
    }
    return out;
  };
  Resources out;
  for (const auto& [type, names] : entries(root)) {
    for (const auto& [name, languages] : entries(root + names)) {
      for (const auto& [language, dataEntry] : entries(root + languages)) {
        const std::size_t data = fileOffset(program, dword(program, root + dataEntry));
        const auto begin = program.begin() + static_cast<std::ptrdiff_t>(data);
        out[{type, name}] = {language, Bytes(begin, begin + dword(program, root + dataEntry + 4))};
      }
    }
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

constexpr std::uint32_t kIcon = 3, kGroupIcon = 14, kVersion = 16, kManifest = 24;

const Bytes kProgram = readFile(QUORVEL_PROGRAM_FILE);
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
  const Node record = node(resources(kProgram).at({kVersion, 1}).data, 0);
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
  const Node record = node(resources(kProgram).at({kVersion, 1}).data, 0);
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
  const auto all = resources(kProgram);
  const Bytes& group = all.at({kGroupIcon, 1}).data;
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
    EXPECT_EQ(all.at({kIcon, word(group, entry + 12)}).data, fileImage);
  }
}

TEST(ProgramFile, IsThe32BitProgram) {
  const std::size_t header = dword(kProgram, 0x3C);
  EXPECT_EQ(word(kProgram, header + 4), 0x14Cu);    // Intel 80386
  EXPECT_EQ(word(kProgram, header + 24), 0x10Bu);   // PE32
  EXPECT_EQ(word(kProgram, header + 24 + 68), 2u);  // a GUI program
}

TEST(ProgramFile, ResourcesAreChineseAndCarryTheManifest) {
  const auto all = resources(kProgram);
  EXPECT_TRUE(all.contains({kManifest, 1}));
  for (const auto& [id, resource] : all) {
    SCOPED_TRACE("type " + std::to_string(id.first) + " name " + std::to_string(id.second));
    EXPECT_EQ(resource.language, 0x0804u);
  }
}

}  // namespace
