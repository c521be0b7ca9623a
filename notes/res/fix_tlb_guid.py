#!/usr/bin/env python3
"""Puts the library's GUID into a type library that widl wrote with the last
byte of that GUID wrong (widl 7.0 does so for this GUID); the interface,
class and event GUIDs are right already. Fails if the GUID's first 15 bytes
are not found, so a changed widl cannot slip by unnoticed."""
import sys
import uuid

path, guid = sys.argv[1], uuid.UUID(sys.argv[2]).bytes_le
data = bytearray(open(path, 'rb').read())
if data.find(guid) < 0:
    at = data.find(guid[:15])
    if at < 0:
        sys.exit(f'{path}: library GUID not found')
    data[at:at + 16] = guid
    open(path, 'wb').write(data)
