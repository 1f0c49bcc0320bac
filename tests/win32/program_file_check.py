#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
"""A Windows program as it ships, read back with pefile: a GUI program for its
processor that needs no DLL beyond Windows' own, whose resources are Chinese
and carry the manifest, the version record and the icon file as its icon
group. The version, the program's name, the maker and the address are the
build's (QUORVEL_VERSION, QUORVEL_PROGRAM_NAME, QUORVEL_MAKER and
QUORVEL_CONTACT_EMAIL in the environment). Every difference is reported.
Usage: program_file_check.py PROGRAM x86|x64 ICON_FILE"""

import os
import struct
import sys
import unittest

import pefile

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = (
    pefile.RESOURCE_TYPE[f"RT_{kind}"] for kind in ("ICON", "GROUP_ICON", "VERSION", "MANIFEST"))
CHINESE = 0x0804  # Chinese (People's Republic of China)
# The DLLs of Windows itself that the program, its accessibility names and its
# common controls use.
WINDOWS_DLLS = {"kernel32", "user32", "gdi32", "comctl32", "ole32", "oleacc", "msvcrt"}
# Each processor's machine and optional header.
KINDS = {"x86": ("I386", pefile.OPTIONAL_HEADER_MAGIC_PE),
         "x64": ("AMD64", pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS)}


def utf16_at(data, offset):
    """The zero-ended UTF-16 text at offset, characters beyond U+FFFF too."""
    end = next(at for at in range(offset, len(data) - 1, 2) if data[at:at + 2] == b"\0\0")
    return data[offset:end].decode("utf-16-le"), end + 2


def aligned(offset):
    return (offset + 3) & ~3


class ProgramFile(unittest.TestCase):
    """Reads the files once; each comparison is reported apart, so one run
    reports every difference, whole."""

    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(PROGRAM)
        with open(ICON_FILE, "rb") as file:
            cls.ico = file.read()
        # Every resource as (type, name, language, bytes), types and names
        # as numbers, or None where one is named by a text.
        directory = getattr(cls.pe, "DIRECTORY_ENTRY_RESOURCE", None)
        cls.found = [(kind.id, name.id, language.id,
                      cls.pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size))
                     for kind in (directory.entries if directory else [])
                     for name in kind.directory.entries for language in name.directory.entries]
        cls.by_id = {(kind, name): data for kind, name, _, data in cls.found}

    def equal(self, what, got, expected):
        with self.subTest(what):
            self.assertEqual(got, expected)

    def test_VersionRecord(self):
        major, minor, patch, tweak = map(int, os.environ["QUORVEL_VERSION"].split("."))
        self.equal("version record 1", (RT_VERSION, 1) in self.by_id, True)
        self.equal("the record's key", self.pe.VS_VERSIONINFO[0].Key, b"VS_VERSION_INFO")
        self.equal("the fixed part's length", self.pe.VS_VERSIONINFO[0].ValueLength, 52)
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.equal("the fixed part's signature", fixed.Signature, 0xFEEF04BD)
        numbers = (major << 16 | minor, patch << 16 | tweak)
        self.equal("the file version", (fixed.FileVersionMS, fixed.FileVersionLS), numbers)
        self.equal("the product version", (fixed.ProductVersionMS, fixed.ProductVersionLS),
                   numbers)
        self.equal("the file flags", fixed.FileFlags, 0)
        self.equal("the system, Windows (VOS__WINDOWS32 for either processor)", fixed.FileOS, 4)
        self.equal("the file type, an application", fixed.FileType, 1)

        # The record writes the minor in two digits and the revision in four.
        version = f"{major}.{minor:02}.{tweak:04}"
        name = os.environ["QUORVEL_PROGRAM_NAME"]
        expected = [("Comments", f"E-mail:{os.environ['QUORVEL_CONTACT_EMAIL']}"),
                    ("CompanyName", os.environ["QUORVEL_MAKER"]),
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
        group = self.by_id[RT_GROUP_ICON, 1]
        count = struct.unpack_from("<H", group, 4)[0]
        images = struct.unpack_from("<H", self.ico, 4)[0]
        self.equal("images in the group", count, images)
        for i in range(min(count, images)):
            entry = self.ico[6 + 16 * i:6 + 16 * (i + 1)]
            group_entry = group[6 + 14 * i:6 + 14 * (i + 1)]
            # The group's entry is the file's, with the image's resource id for its offset.
            self.equal(f"image {i}: its entry", group_entry[:12], entry[:12])
            size, offset = struct.unpack_from("<2I", entry, 8)
            icon = self.by_id.get((RT_ICON, struct.unpack_from("<H", group_entry, 12)[0]))
            self.equal(f"image {i}: its bytes", icon, self.ico[offset:offset + size])

    def test_KindImportsAndResources(self):
        machine, magic = KINDS[ARCH]
        self.equal(f"the machine, {machine}", self.pe.FILE_HEADER.Machine,
                   pefile.MACHINE_TYPE[f"IMAGE_FILE_MACHINE_{machine}"])
        self.equal("the optional header", self.pe.OPTIONAL_HEADER.Magic, magic)
        self.equal("the subsystem, a GUI program", self.pe.OPTIONAL_HEADER.Subsystem,
                   pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"])
        dlls = {entry.dll.decode().lower().removesuffix(".dll")
                for entry in getattr(self.pe, "DIRECTORY_ENTRY_IMPORT", [])}
        self.equal("imports found", bool(dlls), True)
        self.equal("imports beyond Windows' own", dlls - WINDOWS_DLLS, set())
        self.equal("the manifest", (RT_MANIFEST, 1) in self.by_id, True)
        for kind, name, language, _ in self.found:
            self.equal(f"type {kind} name {name}: named by numbers, in Chinese",
                       (kind is None, name is None, language), (False, False, CHINESE))


if __name__ == "__main__":
    PROGRAM, ARCH, ICON_FILE = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
