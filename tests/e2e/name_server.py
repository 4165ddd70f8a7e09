#!/usr/bin/env python3
"""A name server for the tests, on 127.0.0.1 port 53 (UDP): answers A queries
for the names it is given, at once, never, or held until the test lets it
(a file "released-NAME" in the working folder); other names do not exist.
Prints "ready" once it listens, and "asked NAME" for each query.

Usage: name_server.py NAME=ADDRESS[@held|@never] ...
"""
import os
import socket
import struct
import sys
import threading
import time

rules = {}
for rule in sys.argv[1:]:
    name, _, answer = rule.partition("=")
    address, _, delay = answer.partition("@")
    rules[name.lower()] = (address, delay)


def question_name(query):
    labels, offset = [], 12
    while query[offset]:
        length = query[offset]
        labels.append(query[offset + 1:offset + 1 + length].decode("ascii", "replace"))
        offset += 1 + length
    return ".".join(labels).lower(), offset + 5  # the terminating 0, type and class


def answer(server, query, client):
    try:
        name, end = question_name(query)
        qtype = struct.unpack(">H", query[end - 4:end - 2])[0]
    except (IndexError, struct.error):
        return
    print("asked " + name, flush=True)
    rule = rules.get(name)
    if rule and rule[1] == "never":
        return
    while rule and rule[1] == "held" and not os.path.exists("released-" + name):
        time.sleep(0.05)
    ident = query[:2]
    question = query[12:end]
    if rule is None:  # no such name
        reply = ident + struct.pack(">HHHHH", 0x8183, 1, 0, 0, 0) + question
    elif qtype == 1:
        record = b"\xc0\x0c" + struct.pack(">HHIH", 1, 1, 60, 4) + socket.inet_aton(rule[0])
        reply = ident + struct.pack(">HHHHH", 0x8180, 1, 1, 0, 0) + question + record
    else:  # the name exists, but has no record of that type
        reply = ident + struct.pack(">HHHHH", 0x8180, 1, 0, 0, 0) + question
    server.sendto(reply, client)


def main():
    server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    server.bind(("127.0.0.1", 53))
    print("ready", flush=True)
    while True:
        query, client = server.recvfrom(512)
        threading.Thread(target=answer, args=(server, query, client), daemon=True).start()


if __name__ == "__main__":
    main()
