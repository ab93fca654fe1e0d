#!/usr/bin/python3
"""Writes cipher_vectors.txt from an independent implementation of the standards.

DES comes from pycryptodome (Debian: python3-pycryptodome, module Cryptodome) applied to the
length frame under the folded password with the bits of every key byte reversed; RC4 comes
from pycryptodome keyed with the password bytes. Only the empty password, which skips the key
schedule, is computed here by hand (keystream of the identity permutation).
"""
import random
import struct
from pathlib import Path

from Cryptodome.Cipher import ARC4, DES

SEED = 20261211


def fold(password):
    key = bytearray(8)
    for k, byte in enumerate(password):
        key[k % 8] ^= byte
    return key


def reverse_bits(byte):
    return int(f"{byte:08b}"[::-1], 2)


def des_encrypt(data, password):
    frame = struct.pack("<i", len(data)) + data
    frame += bytes(-len(frame) % 8)
    key = bytes(reverse_bits(b) for b in fold(password))
    return DES.new(key, DES.MODE_ECB).encrypt(frame)


def rc4(data, password):
    if password:
        # The key schedule reads K[x mod L] for x < 256, so the key repeated to 256 bytes is
        # the same key; this also suits pycryptodome, which refuses keys under 5 bytes.
        return ARC4.new((password * 256)[:256]).encrypt(data)
    s = list(range(256))
    i = j = 0
    out = bytearray()
    for byte in data:
        i = (i + 1) % 256
        j = (j + s[i]) % 256
        s[i], s[j] = s[j], s[i]
        out.append(byte ^ s[(s[i] + s[j]) % 256])
    return bytes(out)


def field(password):
    return password.hex() or "-"


def main():
    rng = random.Random(SEED)
    gbk = "密码".encode("cp936")
    passwords = [b"", b"123", b"k", b"\xb1", b"12345678", b"123456789", gbk, b"a, b (c)",
                 bytes(rng.randrange(1, 256) for _ in range(300))]
    lengths = list(range(1, 25)) + [100, 255, 256, 1000]
    lines = ["# kind password-hex ('-' when empty) data-hex result-hex; written by generate_cipher_vectors.py"]
    for password in passwords:
        for length in lengths:
            data = bytes(rng.randrange(256) for _ in range(length))
            lines.append(f"1 {field(password)} {data.hex()} {des_encrypt(data, password).hex()}")
            lines.append(f"2 {field(password)} {data.hex()} {rc4(data, password).hex()}")
    hello = "你好 世界".encode("cp936")
    lines.append(f"1 {b'123'.hex()} {hello.hex()} {des_encrypt(hello, b'123').hex()}")
    out = Path(__file__).with_name("cipher_vectors.txt")
    out.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
