#!/usr/bin/env python3
"""A small CDDB server on 127.0.0.1 that serves a local CDDB folder (one
subfolder per category, one entry file per disc identifier), for trying the
disc information windows by hand:

    scripts/cddb-sample-server.py FOLDER [PORT [DELAY]]

It speaks protocol level 6: hello, proto, query (by the identifier: no match,
one match, or a list when several categories hold it), read, sites and quit.
DELAY seconds pass before each reply, to watch the client's status window.
"""
import os
import socketserver
import sys
import time

FOLDER = sys.argv[1] if len(sys.argv) > 1 else "."
PORT = int(sys.argv[2]) if len(sys.argv) > 2 else 8880
DELAY = float(sys.argv[3]) if len(sys.argv) > 3 else 0


def categories():
    return sorted(d for d in os.listdir(FOLDER) if os.path.isdir(os.path.join(FOLDER, d)))


def dtitle(path):
    with open(path, "rb") as f:
        for line in f.read().splitlines():
            if line.startswith(b"DTITLE="):
                return line[7:]
    return b""


class Handler(socketserver.StreamRequestHandler):
    def send(self, *lines):
        time.sleep(DELAY)
        self.wfile.write(b"".join(l + b"\r\n" for l in lines))

    def handle(self):
        self.send(b"201 sample CDDBP server v1.5PL0 ready")
        for raw in self.rfile:
            words = raw.decode("utf-8", "replace").split()
            command = " ".join(words[:2]).lower()
            print(">", raw.decode("utf-8", "replace").rstrip(), flush=True)
            if command == "cddb hello":
                self.send(b"200 Hello and welcome %s running %s %s" % tuple(w.encode() for w in words[2:3] + words[4:6]))
            elif words[:1] == ["proto"]:
                self.send(b"201 OK, CDDB protocol level now: 6" if len(words) > 1 else
                          b"200 CDDB protocol level: current 6, supported 6")
            elif command == "cddb query" and len(words) > 2:
                disc = words[2].lower()
                found = [c for c in categories() if os.path.isfile(os.path.join(FOLDER, c, disc))]
                if not found:
                    self.send(b"202 No match for disc ID %s." % disc.encode())
                elif len(found) == 1:
                    self.send(b"200 %s %s %s" % (found[0].encode(), disc.encode(),
                                                 dtitle(os.path.join(FOLDER, found[0], disc))))
                else:
                    self.send(b"210 Found exact matches, list follows (until terminating `.')",
                              *[b"%s %s %s" % (c.encode(), disc.encode(), dtitle(os.path.join(FOLDER, c, disc)))
                                for c in found], b".")
            elif command.startswith("cddb read") and len(words) > 3:
                path = os.path.join(FOLDER, os.path.basename(words[2]), os.path.basename(words[3]))
                if not os.path.isfile(path):
                    self.send(b"401 %s %s No such CD entry in database." % (words[2].encode(), words[3].encode()))
                    continue
                with open(path, "rb") as f:
                    lines = [b"." + l if l.startswith(b".") else l for l in f.read().splitlines()]
                self.send(b"210 %s %s CD database entry follows (until terminating `.')"
                          % (words[2].encode(), words[3].encode()), *lines, b".")
            elif words[:1] == ["sites"]:
                self.send(b"210 OK, site information follows (until terminating `.')",
                          b"127.0.0.1 cddbp %d - N000.00 W000.00 This sample server" % PORT,
                          b"127.0.0.1 http %d /~cddb/cddb.cgi N000.00 W000.00 Not offered" % PORT, b".")
            elif words[:1] == ["quit"]:
                self.send(b"230 sample Closing connection.  Goodbye.")
                return
            else:
                self.send(b"500 Unrecognized command.")


socketserver.ThreadingTCPServer.allow_reuse_address = True
with socketserver.ThreadingTCPServer(("127.0.0.1", PORT), Handler) as server:
    print("serving", FOLDER, "on 127.0.0.1 port", PORT, flush=True)
    server.serve_forever()
