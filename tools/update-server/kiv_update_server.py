#!/usr/bin/env python3
"""Local firmware update server for KIV devices.

Serves the update list and the firmware images of one folder over HTTP on 127.0.0.1, so the
update page can be tried and tested without the internet.

The folder holds the list (default "updates.json") and the images it names. Inside the list,
"{base}" stands for the server's own address, e.g.

    [{"name": "KIV Room", "version_gp": 2.4, "version_ap": 1.1,
      "url_gp": "{base}/gp.bin", "url_ap": "{base}/ap.bin",
      "prog_delay": 0, "check1": 0, "check2": 0}]

For tests of broken transfers, "/truncated/<file>" announces the file's full length but sends
only its first half before closing, "/unsized/<file>" sends the file without a length, and
"/slow/<file>" sends it without a length in 20 pieces over about 10 seconds.

The server prints "READY <base url>" on its first line once it accepts connections; with
--port 0 (the default) the system picks a free port. Ctrl+C or SIGTERM ends it.
"""

import argparse
import http.server
import os
import signal
import sys
import time


class UpdateHandler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, list_name, base_url, quiet, **kwargs):
        self.list_name = list_name
        self.base_url = base_url
        self.quiet = quiet
        super().__init__(*args, **kwargs)

    def do_GET(self):
        name = self.path.split("?", 1)[0].lstrip("/")
        if name == self.list_name:
            self.send_list()
            return
        for mode in ("truncated", "unsized", "slow"):
            if name.startswith(mode + "/"):
                self.send_broken(mode, name[len(mode) + 1:])
                return
        super().do_GET()

    def send_broken(self, mode, name):
        path = os.path.join(self.directory, os.path.basename(name))
        try:
            with open(path, "rb") as handle:
                body = handle.read()
        except OSError:
            self.send_error(404, "file not found")
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        if mode == "truncated":
            self.send_header("Content-Length", str(len(body)))
            body = body[: len(body) // 2]
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True
        if mode == "slow":
            piece = max(1, len(body) // 20)
            try:
                for start in range(0, len(body), piece):
                    self.wfile.write(body[start:start + piece])
                    self.wfile.flush()
                    time.sleep(0.5)
            except OSError:
                pass  # the client gave up
            return
        self.wfile.write(body)
        self.wfile.flush()

    def send_list(self):
        path = os.path.join(self.directory, self.list_name)
        try:
            with open(path, "rb") as handle:
                text = handle.read().decode("utf-8")
        except OSError:
            self.send_error(404, "update list not found")
            return
        body = text.replace("{base}", self.base_url).encode("utf-8")
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, fmt, *args):
        if not self.quiet:
            sys.stderr.write("%s\n" % (fmt % args))


def main():
    parser = argparse.ArgumentParser(description="Serve a KIV firmware update list and its images.")
    parser.add_argument("--root", required=True, help="folder with the list and the images")
    parser.add_argument("--port", type=int, default=0, help="TCP port on 127.0.0.1 (0: any free port)")
    parser.add_argument("--list", default="updates.json", help="file name of the update list in the folder")
    parser.add_argument("--quiet", action="store_true", help="do not log requests")
    args = parser.parse_args()

    root = os.path.abspath(args.root)
    if not os.path.isdir(root):
        sys.stderr.write("kiv_update_server: no such folder: %s\n" % root)
        return 2

    # The base URL is known only after binding, so the handler reads it from the server.
    state = {"base": ""}

    def make_handler(*handler_args, **handler_kwargs):
        return UpdateHandler(*handler_args, list_name=args.list, base_url=state["base"], quiet=args.quiet,
                             directory=root, **handler_kwargs)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), make_handler)
    server.daemon_threads = True
    state["base"] = "http://127.0.0.1:%d" % server.server_address[1]
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    print("READY %s" % state["base"], flush=True)
    try:
        server.serve_forever()
    except (KeyboardInterrupt, SystemExit):
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
