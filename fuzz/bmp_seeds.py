#!/usr/bin/env python3
"""Copies every file of the bitmap corpus, with a leading "BM" replaced by our
"V1", into the seed folder.

    bmp_seeds.py CORPUS SEED_DIR
"""
import os
import sys


def main():
    corpus, target = sys.argv[1], sys.argv[2]
    os.makedirs(target, exist_ok=True)
    for root, _dirs, files in os.walk(corpus):
        for name in files:
            if name == "MANIFEST.txt":
                continue
            path = os.path.join(root, name)
            with open(path, "rb") as stream:
                data = stream.read()
            if data[:2] == b"BM":
                data = b"V1" + data[2:]
            seed = os.path.relpath(path, corpus).replace(os.sep, "_")
            with open(os.path.join(target, seed), "wb") as stream:
                stream.write(data)


if __name__ == "__main__":
    main()
