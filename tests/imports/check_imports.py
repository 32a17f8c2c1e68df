#!/usr/bin/env python3
"""Checks that an i686 exe can load on Windows 95/98.

Reads the PE file directly and fails when it imports a DLL or function that
the allowlist does not hold, when an allowlisted import needs a later
Windows than the floor, or when its header asks for more than a Windows 4.0
GUI program may. Prints every import with its tier, so a failure explains
itself.

Usage: check_imports.py --allowlist FILE [--floor 95] EXE...
"""

import argparse
import struct
import sys

# First Win9x release exporting a name, in order.
TIERS = ["95", "95osr2", "98", "98se", "me"]
GUI = 2
SUBSYSTEMS = {1: "native", 2: "GUI", 3: "console", 9: "Windows CE GUI"}
MAX_VERSION = (4, 0)


class BadImage(Exception):
    pass


class Image:
    """The parts of a PE32 file the check needs."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ":
            raise BadImage("no MZ header")
        pe = self.u32(0x3C)
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise BadImage("no PE signature")
        sections, opt_size = struct.unpack_from("<2xH12xH", self.data, pe + 4)
        opt = pe + 24
        magic = self.u16(opt)
        if magic != 0x10B:
            raise BadImage("not PE32 (optional header magic 0x%x); only i686 images are checked" % magic)
        self.image_base = self.u32(opt + 28)
        self.os_version = struct.unpack_from("<HH", self.data, opt + 40)
        self.subsystem_version = struct.unpack_from("<HH", self.data, opt + 48)
        self.subsystem = self.u16(opt + 68)
        self.directories = [struct.unpack_from("<II", self.data, opt + 96 + 8 * i)
                            for i in range(self.u32(opt + 92))]
        table = opt + opt_size
        self.sections = []  # (rva, virtual size, raw offset, raw size)
        for i in range(sections):
            vsize, rva, rsize, raw = struct.unpack_from("<8xIIII", self.data, table + 40 * i)
            self.sections.append((rva, max(vsize, rsize), raw, rsize))

    def u16(self, off):
        return struct.unpack_from("<H", self.data, off)[0]

    def u32(self, off):
        return struct.unpack_from("<I", self.data, off)[0]

    def offset(self, rva):
        for start, size, raw, rsize in self.sections:
            if start <= rva < start + size and rva - start < rsize:
                return raw + rva - start
        raise BadImage("RVA 0x%x lies in no section" % rva)

    def cstring(self, rva):
        off = self.offset(rva)
        return self.data[off:self.data.index(b"\0", off)].decode("ascii")

    def thunks(self, rva):
        """Names ('@N' for ordinal N) in a 32-bit import lookup table."""
        names = []
        off = self.offset(rva)
        while True:
            thunk = self.u32(off)
            if thunk == 0:
                return names
            names.append("@%d" % (thunk & 0xFFFF) if thunk & 0x80000000 else self.cstring(thunk + 2))
            off += 4

    def imports(self):
        """[(dll, [function, ...])] of the import and the delay-import tables."""
        result = []
        if len(self.directories) > 1 and self.directories[1][0]:
            off = self.offset(self.directories[1][0])
            while True:
                lookup, _, _, name, iat = struct.unpack_from("<5I", self.data, off)
                if not (lookup or name or iat):
                    break
                result.append((self.cstring(name), self.thunks(lookup or iat)))
                off += 20
        if len(self.directories) > 13 and self.directories[13][0]:
            off = self.offset(self.directories[13][0])
            while True:
                attrs, name, _, _, lookup = struct.unpack_from("<5I", self.data, off)
                if not name:
                    break
                # Old descriptors (attribute bit 0 clear) hold addresses, not RVAs.
                rebase = 0 if attrs & 1 else self.image_base
                result.append((self.cstring(name - rebase), self.thunks(lookup - rebase)))
                off += 32
        return result


def read_allowlist(path):
    """{DLL: {function: (tier, flags)}}, DLL names upper-cased; '@N' is ordinal N."""
    allowed = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            if len(fields) < 3 or fields[2] not in TIERS:
                raise SystemExit("%s:%d: expected 'DLL FUNCTION TIER [FLAG...]'" % (path, number))
            allowed.setdefault(fields[0].upper(), {})[fields[1]] = (fields[2], fields[3:])
    return allowed


def check(path, allowed, floor):
    """Prints the report of one exe; returns its number of faults."""
    faults = []
    try:
        image = Image(path)
        imports = image.imports()
    except (BadImage, OSError, struct.error, ValueError) as e:
        print("%s: FAIL cannot read: %s" % (path, e))
        return 1

    def version(v):
        return "%d.%d" % v

    subsystem = SUBSYSTEMS.get(image.subsystem, "unknown (%d)" % image.subsystem)
    print("%s: subsystem %s %s, OS version %s" % (
        path, subsystem, version(image.subsystem_version), version(image.os_version)))
    if image.subsystem != GUI:
        faults.append("subsystem %s, not GUI" % subsystem)
    if image.subsystem_version > MAX_VERSION:
        faults.append("subsystem version %s above 4.0" % version(image.subsystem_version))
    if image.os_version > MAX_VERSION:
        faults.append("OS version %s above 4.0" % version(image.os_version))

    for dll, functions in imports:
        known = allowed.get(dll.upper())
        print("  %s%s" % (dll, "" if known is not None else "  FAIL: DLL not in the allowlist"))
        if known is None:
            faults.append("%s: DLL not in the allowlist" % dll)
        for function in functions:
            entry = (known or {}).get(function)
            if entry is None:
                verdict = "FAIL  %-40s not in the allowlist" % function
                faults.append("%s!%s not in the allowlist" % (dll, function))
            elif TIERS.index(entry[0]) > TIERS.index(floor):
                verdict = "FAIL  %-40s %s, later than Windows %s" % (function, entry[0], floor)
                faults.append("%s!%s needs Windows %s" % (dll, function, entry[0]))
            else:
                verdict = "ok    %-40s %s" % (function, " ".join([entry[0]] + entry[1]))
            print("    " + verdict)
    for fault in faults:
        print("%s: FAIL %s" % (path, fault))
    return len(faults)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--allowlist", required=True)
    parser.add_argument("--floor", default="95", choices=TIERS,
                        help="the earliest Windows the exes must load on")
    parser.add_argument("exes", nargs="+")
    args = parser.parse_args()
    allowed = read_allowlist(args.allowlist)
    faults = sum(check(exe, allowed, args.floor) for exe in args.exes)
    print("%d fault(s)" % faults)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
