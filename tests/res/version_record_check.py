#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
"""Reads back the resources of the linked 32-bit Windows program file, the
version record and the icon group among them, and the icon file they carry.
The version and the program's name are the build's (QUORVEL_VERSION,
QUORVEL_PROGRAM_NAME in the environment).
Usage: version_record_check.py PROGRAM ICON_FILE CHECK (a test below, as
Class.Name: IconFile.HoldsTwelveImagesInOrder...)"""

import os
import struct
import sys
import unittest

import pefile

RT_ICON = pefile.RESOURCE_TYPE["RT_ICON"]
RT_GROUP_ICON = pefile.RESOURCE_TYPE["RT_GROUP_ICON"]
RT_VERSION = pefile.RESOURCE_TYPE["RT_VERSION"]
RT_MANIFEST = pefile.RESOURCE_TYPE["RT_MANIFEST"]
CHINESE = 0x0804  # Chinese (People's Republic of China)
ICONS = [(size, depth) for depth in (4, 8, 32) for size in (48, 32, 24, 16)]


def utf16_at(data, offset):
    """The zero-ended UTF-16 text at offset, characters beyond U+FFFF too."""
    end = next(at for at in range(offset, len(data) - 1, 2) if data[at:at + 2] == b"\0\0")
    return data[offset:end].decode("utf-16-le"), end + 2


def aligned(offset):
    return (offset + 3) & ~3


def resources(case):
    """Every resource as (type, name, language, bytes), each named by number."""
    found = []
    for kind in case.pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            case.equal(f"type {kind.id} named by text", kind.name or name.name, None)
            for language in name.directory.entries:
                data = language.data.struct
                found.append((kind.id, name.id, language.id,
                              case.pe.get_data(data.OffsetToData, data.Size)))
    return found


def by_id(case):
    """The resources' bytes by (type, name)."""
    return {(kind, name): data for kind, name, _, data in resources(case)}


def icon_entries(ico):
    """The icon file's directory: (bytes of the entry, image) per image."""
    count = struct.unpack_from("<H", ico, 4)[0]
    entries = [ico[6 + 16 * i:6 + 16 * (i + 1)] for i in range(count)]
    return [(entry, ico[offset:offset + size])
            for entry in entries for size, offset in [struct.unpack_from("<2I", entry, 8)]]


class Check(unittest.TestCase):
    """Reads the files once; each comparison is reported apart, so one run
    reports every difference, whole."""

    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(PROGRAM)
        with open(ICON_FILE, "rb") as file:
            cls.ico = file.read()

    def equal(self, what, got, expected):
        with self.subTest(what):
            self.assertEqual(got, expected)


class IconFile(Check):
    def test_HoldsTwelveImagesInOrder(self):
        self.equal("the file's reserved word and type", struct.unpack_from("<2H", self.ico), (0, 1))
        entries = icon_entries(self.ico)
        self.equal("images", len(entries), len(ICONS))
        for (entry, image), (size, depth) in zip(entries, ICONS):
            what = f"{size} px at {depth} bits"
            width, height, colours, _, _, bits, length, _ = struct.unpack("<4B2H2I", entry)
            rows = (size * depth + 31) // 32 * 4
            mask = (size + 31) // 32 * 4
            palette = 0 if depth == 32 else 4 << depth
            self.equal(f"{what}: its entry", (width, height, colours, bits, length),
                       (size, size, 16 if depth == 4 else 0, depth,
                        40 + palette + (rows + mask) * size))
            header, image_width, image_height, _, image_bits = struct.unpack_from("<3I2H", image)
            # The image's height counts its mask too.
            self.equal(f"{what}: its image's header",
                       (header, image_width, image_height, image_bits),
                       (40, size, 2 * size, depth))


class VersionRecord(Check):
    def test_FixedPart(self):
        major, minor, patch, tweak = map(int, os.environ["QUORVEL_VERSION"].split("."))
        self.equal("version record 1", (RT_VERSION, 1) in by_id(self), True)
        self.equal("the record's key", self.pe.VS_VERSIONINFO[0].Key, b"VS_VERSION_INFO")
        self.equal("the fixed part's length", self.pe.VS_VERSIONINFO[0].ValueLength, 52)
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.equal("the fixed part's signature", fixed.Signature, 0xFEEF04BD)
        version = (major << 16 | minor, patch << 16 | tweak)
        self.equal("the file version", (fixed.FileVersionMS, fixed.FileVersionLS), version)
        self.equal("the product version", (fixed.ProductVersionMS, fixed.ProductVersionLS),
                   version)
        self.equal("the file flags", fixed.FileFlags, 0)
        self.equal("the system, 32-bit Windows", fixed.FileOS, 4)
        self.equal("the file type, an application", fixed.FileType, 1)

    def test_StringTableAndTranslation(self):
        major, minor, patch, tweak = os.environ["QUORVEL_VERSION"].split(".")
        # The record writes the minor in two digits and the revision in four.
        version = f"{major}.{int(minor):02}.{int(tweak):04}"
        name = os.environ["QUORVEL_PROGRAM_NAME"]
        expected = [("Comments", "E-mail:veskaro@example.com"), ("CompanyName", "Veskaro"),
                    ("ProductName", "Quorvel"), ("FileVersion", version),
                    ("ProductVersion", version), ("InternalName", name),
                    ("OriginalFilename", f"{name}.exe")]
        blocks = self.pe.FileInfo[0]
        self.equal("the record's blocks", [block.name for block in blocks],
                   ["StringFileInfo", "VarFileInfo"])
        strings, variables = blocks
        self.equal("the string tables", [table.LangID for table in strings.StringTable],
                   [b"080404B0"])
        table = strings.StringTable[0]
        # Each text read where it lies, entry after entry to the table's end, so
        # that none is missed or read twice.
        data = self.pe.__data__
        actual = []
        at = aligned(table.get_file_offset() + table.sizeof() + 2 * len("080404B0\0"))
        while at < table.get_file_offset() + table.Length:
            length, value_length, _ = struct.unpack_from("<3H", data, at)
            self.assertNotEqual(length, 0, "an entry of no length")
            key, value_at = utf16_at(data, at + 6)
            value, _ = utf16_at(data, aligned(value_at)) if value_length else ("", 0)
            actual.append((key, value))
            at = aligned(at + length)
        self.equal("the string table", actual, expected)

        self.equal("the variables", [var.entry for var in variables.Var],
                   [{b"Translation": "0x0804 0x04b0"}])
        # The one variable fills its block.
        var = variables.Var[0]
        self.equal("the block's length", variables.Length,
                   var.get_file_offset() - variables.get_file_offset() + var.Length)

    def test_IconGroupOneHoldsTheIconFile(self):
        found = by_id(self)
        group = found[RT_GROUP_ICON, 1]
        count = struct.unpack_from("<H", group, 4)[0]
        self.equal("images in the group", count, len(ICONS))
        for i, (entry, image) in enumerate(icon_entries(self.ico)[:count]):
            group_entry = group[6 + 14 * i:6 + 14 * (i + 1)]
            # The group's entry is the file's, with the image's resource id for its offset.
            self.equal(f"image {i}: its entry", group_entry[:12], entry[:12])
            icon = found.get((RT_ICON, struct.unpack_from("<H", group_entry, 12)[0]))
            self.equal(f"image {i}: its bytes", icon, image)


class ProgramFile(Check):
    def test_IsThe32BitProgram(self):
        self.equal("the machine, Intel 80386", self.pe.FILE_HEADER.Machine, 0x14C)
        self.equal("the optional header, PE32", self.pe.OPTIONAL_HEADER.Magic, 0x10B)
        self.equal("the subsystem, a GUI program", self.pe.OPTIONAL_HEADER.Subsystem, 2)

    def test_ResourcesAreChineseAndCarryTheManifest(self):
        found = resources(self)
        self.equal("the manifest",
                   any((kind, name) == (RT_MANIFEST, 1) for kind, name, _, _ in found), True)
        for kind, name, language, _ in found:
            self.equal(f"type {kind} name {name}: its language", language, CHINESE)


if __name__ == "__main__":
    PROGRAM, ICON_FILE, CHECK = sys.argv[1:]
    test_class, test = CHECK.split(".")
    unittest.main(argv=[sys.argv[0], f"{test_class}.test_{test}"])
