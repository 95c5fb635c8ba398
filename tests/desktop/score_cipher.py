"""The game's score file, read and written the way the game does, for the
desktop tests: 80 bytes (five entries of marker, name, score, marker),
RC4-encrypted with the MD5 of the SHA-1 digest of the executable as key.

  score_cipher.py show EXE FILE          prints "NAME SCORE,..." (markers checked)
  score_cipher.py write EXE FILE TABLE   writes a table given as "NAME SCORE,..."
  score_cipher.py flip FILE OFFSET       flips the lowest bit of one byte
"""

import hashlib
import struct
import sys

HEAD = 0xDEADBEEF
TAIL = 0x0DEFACED


def key_of(executable):
    with open(executable, "rb") as f:
        digest = hashlib.sha1(f.read()).digest()
    return hashlib.md5(digest).digest()


def rc4(key, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) % 256
        s[i], s[j] = s[j], s[i]
    i = j = 0
    out = bytearray()
    for byte in data:
        i = (i + 1) % 256
        j = (j + s[i]) % 256
        s[i], s[j] = s[j], s[i]
        out.append(byte ^ s[(s[i] + s[j]) % 256])
    return bytes(out)


def show(executable, path):
    with open(path, "rb") as f:
        plain = rc4(key_of(executable), f.read())
    entries = []
    for k in range(5):
        head, name, score, tail = struct.unpack_from("<I4siI", plain, 16 * k)
        if head != HEAD or tail != TAIL:
            return "bad markers in entry %d" % k
        entries.append("%s %d" % (name.split(b"\0")[0].decode("ascii"), score))
    return ",".join(entries)


def write(executable, path, table):
    plain = b""
    for entry in table.split(","):
        name, score = entry.split(" ")
        plain += struct.pack("<I4siI", HEAD, name.encode("ascii").ljust(3, b" ") + b"\0",
                             int(score), TAIL)
    with open(path, "wb") as f:
        f.write(rc4(key_of(executable), plain))


def flip(path, offset):
    with open(path, "rb") as f:
        data = bytearray(f.read())
    data[offset] ^= 1
    with open(path, "wb") as f:
        f.write(bytes(data))


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "show":
        print(show(sys.argv[2], sys.argv[3]))
    elif command == "write":
        write(sys.argv[2], sys.argv[3], sys.argv[4])
    elif command == "flip":
        flip(sys.argv[2], int(sys.argv[3]))
    else:
        sys.exit("unknown command " + command)
