#!/usr/bin/env python3
"""Serves the web site as a real host does: a file's .br or .gz copy beside it goes out
compressed when the browser accepts it (Content-Encoding), every file with its type.

Usage: serve.py SITE_DIR [PORT] [ENCODINGS]
  127.0.0.1, port 8000 by default; ENCODINGS, the copies it may send, best first
  ("br,gzip" by default; "gzip" serves as the many hosts that know no brotli).
"""
import http.server
import os
import sys
from functools import partial

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".json": "application/json",
    ".webmanifest": "application/manifest+json",
    ".wasm": "application/wasm",
    ".png": "image/png",
    ".svg": "image/svg+xml",
}
SUFFIXES = {"br": ".br", "gzip": ".gz"}


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    encodings = ["br", "gzip"]

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            self.send_error(404, "Not found")
            return None
        accepted = {e.split(";")[0].strip() for e in self.headers.get("Accept-Encoding", "").split(",")}
        encoding, served = None, path
        for name in self.encodings:
            if name in accepted and os.path.isfile(path + SUFFIXES[name]):
                encoding, served = name, path + SUFFIXES[name]
                break
        body = open(served, "rb")
        self.send_response(200)
        self.send_header("Content-Type", TYPES.get(os.path.splitext(path)[1], "application/octet-stream"))
        self.send_header("Content-Length", str(os.fstat(body.fileno()).st_size))
        self.send_header("Vary", "Accept-Encoding")
        if encoding:
            self.send_header("Content-Encoding", encoding)
        self.end_headers()
        return body


def main(argv):
    if not argv:
        sys.exit("usage: serve.py SITE_DIR [PORT]")
    port = int(argv[1]) if len(argv) > 1 else 8000
    SiteHandler.encodings = argv[2].split(",") if len(argv) > 2 else SiteHandler.encodings
    handler = partial(SiteHandler, directory=argv[0])
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"Le jeu est servi sur http://localhost:{port}/ (Ctrl+C pour arrêter)", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main(sys.argv[1:])
