#!/usr/bin/python3
"""The tests' FTP server: anonymous and read-only on the loopback address,
serving one folder. It prints the port it listens on and serves until it is
killed or its standard input closes (the test that started it has ended).

    server_ftp.py CARTELLA [--lento BYTE_AL_SECONDO]
"""
import argparse
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FileProducer, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    argomenti = argparse.ArgumentParser()
    argomenti.add_argument("cartella")
    argomenti.add_argument("--lento", type=int, default=0)
    a = argomenti.parse_args()

    logging.getLogger("pyftpdlib").addHandler(logging.NullHandler())
    logging.getLogger("pyftpdlib").setLevel(logging.ERROR)

    autorizzazioni = DummyAuthorizer()
    autorizzazioni.add_anonymous(a.cartella)
    gestore = type("Gestore", (FTPHandler,), {"authorizer": autorizzazioni})
    if a.lento:
        # Small pieces at a steady pace, so that a transfer is surely under way
        # for a while.
        FileProducer.buffer_size = 1024
        gestore.dtp_handler = type("Lento", (ThrottledDTPHandler,),
                                   {"write_limit": a.lento, "ac_out_buffer_size": 1024})
    server = FTPServer(("127.0.0.1", 0), gestore)

    def fine_del_test():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=fine_del_test, daemon=True).start()
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
