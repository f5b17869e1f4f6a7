#!/usr/bin/env python3
"""Writes a small receiver disk for trying the plugin out: recordings in
nested directories, event files whose texts use several DVB character
tables, a playlist and a settings file with two rows in use.

usage: make-demo-root.py [DIR]     (default: build/demo-root)

DIR is replaced as a whole, so it must be missing, empty or a demo root
written before (it then holds the file .tessaroll-demo-root).
"""
import os
import shutil
import struct
import sys

MARKER = ".tessaroll-demo-root"

# DVB character-table selectors: the first byte of an event text.
LATIN = b""            # table 00: no selector, diacritics before the letter
CYRILLIC = b"\x01"     # ISO 8859-5
GREEK = b"\x03"        # ISO 8859-7
UTF8 = b"\x15"

# Table 00 writes an umlaut as the diaeresis 0xC8 followed by the letter.
UMLAUT = {"ä": b"\xc8a", "ö": b"\xc8o", "ü": b"\xc8u",
          "Ä": b"\xc8A", "Ö": b"\xc8O", "Ü": b"\xc8U", "ß": b"\xfb"}


def latin(text):
    return b"".join(UMLAUT.get(c) or c.encode("ascii") for c in text)


def dvb(selector, text):
    codec = {LATIN: None, CYRILLIC: "iso8859_5", GREEK: "iso8859_7",
             UTF8: "utf-8"}[selector]
    return latin(text) if codec is None else selector + text.encode(codec)


def eit(name, text):
    """One event with one short event descriptor (tag 0x4D) holding `name`
    and `text` (DVB bytes)."""
    body = b"deu" + bytes([len(name)]) + name + bytes([len(text)]) + text
    descriptors = bytes([0x4D, len(body)]) + body
    header = struct.pack(">H5s3sH", 0x1234, b"\xe3\x2b\x20\x15\x00",
                         b"\x01\x30\x00", 0x8000 | len(descriptors))
    return header + descriptors


# (path, modification time, event name, short text) with DVB-coded texts;
# no texts: the recording has no event file.
BASE_TIME = 1700000000
RECORDINGS = [
    ("hdd/movie/Tatort_Muenchen.ts", 5,
     dvb(LATIN, "Tatort: München"),
     dvb(LATIN, "Die Spur führt über die Grenze nach Österreich")),
    ("hdd/movie/athen_doku.ts", 3,
     dvb(GREEK, "Αθήνα"), dvb(GREEK, "Η ιστορία της πόλης")),
    ("hdd/movie/moskau_reise.ts", 1,
     dvb(CYRILLIC, "Москва"), dvb(CYRILLIC, "Путешествие по городу")),
    ("hdd/movie/nachtcafe.ts", 4,
     dvb(UTF8, "Nachtcafé – Gespräch"), dvb(UTF8, "Eintritt 5 € ☕")),
    ("hdd/movie/urlaub_2019.mpg", 2, None, None),
    ("hdd/movie/serien/Folge_01.ts", 10,
     dvb(LATIN, "Die Brücke"), dvb(LATIN, "Folge 1: Der Anfang")),
    ("hdd/movie/serien/staffel_2/Folge_02.ts", 11,
     dvb(LATIN, "Die Brücke"), dvb(LATIN, "Folge 2: Grüße aus Malmö")),
    ("hdd/movie/serien/staffel_2/extras/making_of.mpg", 12, None, None),
    ("hdd/movie/filme/Der_grosse_Film.ts", 20, None, None),
    ("hdd/movie/filme/kurzfilm.mpg", 21, None, None),
    ("hdd/usb/archiv/alte_aufnahme.ts", 30,
     dvb(LATIN, "Wetten, daß..?"), dvb(LATIN, "Show aus dem Jahr 1987")),
]

PLAYLIST = (
    "  #NAME movie list\n"
    "#SERVICE: 4096:0:1:0:1:0:0:0:0:0:/hdd/movie/urlaub_2019.mpg\n"
    "#DESCRIPTION: urlaub 2019\n"
    "#TYPE 16385\n"
    "/hdd/movie/urlaub_2019.mpg\n")

# Row 0 takes the event names and texts of /hdd/movie alone; row 1 walks
# the series with their subdirectories, prefixed with the directory's name
# and the additional name "TV"; row 2 is configured but not in use.
ROWS = [
    dict(use=1, sub=0, name="/hdd/movie", eit1=1, eit2=1, dir=0, new=""),
    dict(use=1, sub=1, name="/hdd/movie/serien", eit1=1, eit2=0, dir=1,
         new="TV"),
    dict(use=0, sub=0, name="/hdd/movie/filme", eit1=0, eit2=0, dir=0,
         new=""),
    dict(use=0, sub=0, name="", eit1=0, eit2=0, dir=0, new=""),
    dict(use=0, sub=0, name="", eit1=0, eit2=0, dir=0, new=""),
]


def settings():
    lines = []
    for i, row in enumerate(ROWS):
        for key in ("use", "sub", "name", "eit1", "eit2", "dir", "new"):
            lines.append(f"{key}.{i}={row[key]}\n")
    lines.append("sortbydate=0\n")
    return "".join(lines)


def write(root, path, data, mtime=None):
    full = os.path.join(root, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "wb") as f:
        f.write(data)
    if mtime is not None:
        os.utime(full, (mtime, mtime))


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "build", "demo-root")
    if len(sys.argv) > 2:
        sys.exit(__doc__)
    if os.path.lexists(root):
        if not os.path.isdir(root) or (os.listdir(root) and not os.path.exists(
                os.path.join(root, MARKER))):
            sys.exit(f"make-demo-root: {root} exists and is no demo root;"
                     " not replacing it")
        shutil.rmtree(root)
    os.makedirs(root)
    write(root, MARKER, b"")
    for path, minutes, name, text in RECORDINGS:
        mtime = BASE_TIME + 60 * minutes
        write(root, path, b"\x47" + bytes(187), mtime)  # one empty TS packet
        if name is not None:
            write(root, path[:-len(".ts")] + ".eit", eit(name, text), mtime)
    write(root, "hdd/movie/recordings.epl", PLAYLIST.encode())
    write(root, "var/etc/tsr.conf", settings().encode())
    print(f"demo root written to {os.path.normpath(root)}")


if __name__ == "__main__":
    main()
