#!/usr/bin/env python3
"""Writes the golden archive files by hand, independent of the program's own writer."""
import struct

def length(n):
    if n < 0xFF:
        return bytes([n])
    if n < 0xFFFE:
        return b'\xff' + struct.pack('<H', n)
    return b'\xff\xff\xff' + struct.pack('<I', n)

def narrow(s):
    b = s.encode('cp1252') if isinstance(s, str) else s
    return length(len(b)) + b

def wide(s):
    b = s.encode('utf-16-le')
    return b'\xff\xfe\xff' + length(len(b) // 2) + b

def count(n):
    return struct.pack('<H', n) if n < 0xFFFF else b'\xff\xff' + struct.pack('<I', n)

def tag(first, name):
    return (b'\xff\xff\x00\x00' + struct.pack('<H', len(name)) + name) if first else b'\x01\x80'

def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)

# The one-disc Data.dat of a freshly scanned disc.
write('one_disc.dat', count(1) + tag(True, b'CDisc') + narrow('1') + b'\x00\x00\x00'
      + narrow('Unbennant') + narrow('home') + narrow('December 05, 2026') + b'\x00\x00\x00'
      + narrow('E:\\') + count(0))

# Two discs: the second with a class reference, two categories and a lend date.
def disc(first, number, name, loc, cats, lend=''):
    return (tag(first, b'CDisc') + narrow(number) + narrow('CD') + narrow('some notes')
            + narrow('Artist') + narrow(name) + narrow(loc) + narrow('May 01, 2025')
            + b'\x00\x00' + narrow(lend) + narrow('sr0:\\') + count(len(cats))
            + b''.join(narrow(c) for c in cats))
write('two_discs.dat', count(2) + disc(True, '2', 'Music', 'home', [])
      + disc(False, '1', 'Holiday', 'Anna', ['Music', 'Video'], 'June 02 2025'))

def file(first, name, disc, folder, size, drive, cats):
    return (tag(first, b'CFileData') + name + narrow(disc) + narrow(folder) + narrow(size)
            + narrow(drive) + count(len(cats)) + b''.join(narrow(c) for c in cats))
write('files.dat', count(3)
      + file(True, narrow('Track 01.mp3'), '1', 'sr0:\\music\\', '4096', 'sr0:\\', [])
      + file(False, wide('\u65e5\u672c\u8a9e.txt'), '1', 'sr0:\\music\\', '12', 'sr0:\\', ['Music'])
      + file(False, narrow(bytes([0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x80, 0xFF])), '2', 'sr0:\\', '-5', 'sr0:\\', []))

write('empty_list.dat', count(0))
write('default_categories.dat', count(8) + b''.join(narrow(c) for c in
      ['Komedy', 'Drama', 'Action', 'Software', 'Movies', 'Games', 'Video', 'Music']))
write('long_strings.dat', count(4) + narrow('a' * 254) + narrow('b' * 255)
      + narrow('c' * 65533) + narrow('d' * 65534))
write('count_65535.dat', count(65535) + b'\x00' * 65535)
write('wide_strings.dat', count(3) + wide('Caf\u00e9 \u2603') + narrow('Caf\u00e9 \u20ac')
      + wide('\u0416' * 300))
