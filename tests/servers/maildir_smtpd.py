"""An SMTP server for tests: accepts any sender and recipient on a loopback port and delivers
each message, as aiosmtpd received it (dot-stuffing undone) with LF line ends, into the new/
folder of a Maildir. Trace headers (X-Peer, X-MailFrom, X-RcptTo) are added only with --trace.

Run with Debian's interpreter, which has python3-aiosmtpd:
    /usr/bin/python3 maildir_smtpd.py --port PORT --maildir DIR [--owner USER] [--trace]
"""
import argparse
import os
import pwd
import signal
import socket
import time

from aiosmtpd.controller import Controller


class MaildirHandler:
    def __init__(self, maildir, owner, trace):
        self.maildir = maildir
        self.owner = owner
        self.trace = trace
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        content = envelope.original_content.replace(b"\r\n", b"\n")
        if self.trace:
            lines = [b"X-Peer: " + str(session.peer).encode(),
                     b"X-MailFrom: " + envelope.mail_from.encode(),
                     b"X-RcptTo: " + ", ".join(envelope.rcpt_tos).encode()]
            content = b"\n".join(lines) + b"\n" + content
        self.count += 1
        name = "%d.M%dP%d.%s" % (time.time(), self.count, os.getpid(), socket.gethostname())
        temporary = os.path.join(self.maildir, "tmp", name)
        with open(temporary, "wb") as out:
            out.write(content)
        if self.owner is not None:
            os.chown(temporary, self.owner.pw_uid, self.owner.pw_gid)
        os.rename(temporary, os.path.join(self.maildir, "new", name))
        return "250 Message accepted for delivery"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--maildir", required=True)
    parser.add_argument("--owner")
    parser.add_argument("--trace", action="store_true")
    args = parser.parse_args()
    owner = pwd.getpwnam(args.owner) if args.owner else None
    handler = MaildirHandler(args.maildir, owner, args.trace)
    controller = Controller(handler, hostname="127.0.0.1", port=args.port,
                            data_size_limit=64 * 1024 * 1024, decode_data=False)
    controller.start()
    # Deliveries are atomic (written in tmp/, then renamed), so stopping at once loses nothing.
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    signal.signal(signal.SIGINT, lambda *_: os._exit(0))
    while True:
        signal.pause()


if __name__ == "__main__":
    main()
