"""An FTP server for the tests: pyftpdlib (Debian python3-pyftpdlib) with one user whose
home is a given folder, bound to 127.0.0.1 only, on a free port that it writes to a
file once it accepts connections. Passive data connections use a fixed block of ports
on 127.0.0.1: the first block of --passive-count ports, from --passive-base upwards,
that is free when the server starts.

Started in the background by scripts/services.sh for a whole test run, or by a
wrapper around one test program; stopped by its pid (SIGTERM ends it cleanly).

Run it with Debian's interpreter: /usr/bin/python3 ftp_server.py --root DIR ...
"""
import argparse
import os
import signal
import socket
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

HOST = "127.0.0.1"


def port_is_free(port):
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        try:
            s.bind((HOST, port))
        except OSError:
            return False
    return True


def free_passive_block(base, count):
    """The first block of count consecutive free ports at or above base."""
    start = base
    while start + count <= 65535:
        busy = next((p for p in range(start, start + count) if not port_is_free(p)), None)
        if busy is None:
            return range(start, start + count)
        start = busy + 1
    raise SystemExit("No block of %d free ports above %d for passive mode" % (count, base))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", required=True, help="home folder of the user")
    parser.add_argument("--user", default="vell")
    parser.add_argument("--password", default="vellpass")
    parser.add_argument("--port", type=int, default=0, help="0: a free port")
    parser.add_argument("--port-file", help="file that receives the port once listening")
    parser.add_argument("--passive-base", type=int, default=60000)
    parser.add_argument("--passive-count", type=int, default=50)
    args = parser.parse_args()

    os.makedirs(args.root, exist_ok=True)
    authorizer = DummyAuthorizer()
    # Every permission: list, change folder, read, append, delete, rename, make
    # folder, write, change mode and time.
    authorizer.add_user(args.user, args.password, os.path.abspath(args.root), perm="elradfmwMT")

    handler = FTPHandler
    handler.authorizer = authorizer
    handler.passive_ports = list(free_passive_block(args.passive_base, args.passive_count))
    handler.banner = "Vellumor test FTP server ready."
    handler.timeout = 120

    server = FTPServer((HOST, args.port), handler)
    server.max_cons = 32
    port = server.socket.getsockname()[1]

    def stop(signum, frame):
        server.close_all()
        sys.exit(0)

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)

    print("FTP on %s:%d, passive ports %d-%d, root %s" % (
        HOST, port, handler.passive_ports[0], handler.passive_ports[-1], args.root), flush=True)
    if args.port_file:
        # Written last and renamed into place, so a reader never sees a partial port.
        tmp = args.port_file + ".tmp"
        with open(tmp, "w") as f:
            f.write("%d\n" % port)
        os.replace(tmp, args.port_file)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
