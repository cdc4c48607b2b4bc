# SPDX-License-Identifier: GPL-3.0-or-later
"""SMTP servers for tests: accept any sender and recipient on loopback ports and deliver each
message, as aiosmtpd received it (dot-stuffing undone) with LF line ends, into the new/ folder of
one Maildir. Trace headers (X-Peer, X-MailFrom, X-RcptTo) are added only with --trace.

--port is a plain server without AUTH. With --cert/--key (and --user, --password, --auth-log)
more servers can listen, each requiring AUTH PLAIN or LOGIN before mail is accepted:
  --tls-port         TLS on connect
  --login-only-port  TLS on connect offering AUTH LOGIN only
  --starttls-port    STARTTLS offered; AUTH only after it
  --stripped-port    AUTH offered in the clear and no STARTTLS, as a downgrading attacker shows it
  --wrong-host-port  TLS on connect with --wrong-host-cert/--wrong-host-key
Every AUTH attempt appends "<port> <mechanism> <ok|fail> <tls|plain>" to --auth-log.

Run with Debian's interpreter, which has python3-aiosmtpd:
    /usr/bin/python3 maildir_smtpd.py --port PORT --maildir DIR [--owner USER] [--trace] [TLS options]
"""
import argparse
import os
import pwd
import signal
import socket
import ssl
import time
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


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


class LoggingAuthenticator:
    """Accepts one user and password and logs each attempt, never the password."""

    def __init__(self, user, password, log_path):
        self.user = user.encode()
        self.password = password.encode()
        self.log_path = log_path

    def __call__(self, server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword)
              and auth_data.login == self.user and auth_data.password == self.password)
        transport = server.transport
        port = transport.get_extra_info("sockname")[1]
        layer = "tls" if transport.get_extra_info("ssl_object") is not None else "plain"
        with open(self.log_path, "a") as log:
            log.write("%d %s %s %s\n" % (port, mechanism, "ok" if ok else "fail", layer))
        # Not "handled": aiosmtpd then answers a failure with its 535 reply.
        return AuthResult(success=ok, handled=False)


def server_context(cert, key):
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)
    return context


def secure_controllers(args, handler):
    authenticator = LoggingAuthenticator(args.user, args.password, args.auth_log)
    context = server_context(args.cert, args.key)
    common = dict(hostname="127.0.0.1", data_size_limit=64 * 1024 * 1024, decode_data=False,
                  authenticator=authenticator, auth_required=True)
    # Under TLS on connect the whole session is encrypted, which aiosmtpd's auth_require_tls
    # does not see, so those servers allow AUTH without STARTTLS.
    warnings.filterwarnings("ignore", "Requiring AUTH while not requiring TLS")
    wanted = [
        (args.tls_port, dict(ssl_context=context, auth_require_tls=False)),
        (args.login_only_port, dict(ssl_context=context, auth_require_tls=False, auth_exclude_mechanism=["PLAIN"])),
        (args.starttls_port, dict(tls_context=context, require_starttls=True, auth_require_tls=True)),
        (args.stripped_port, dict(auth_require_tls=False)),
        (args.wrong_host_port, dict(ssl_context=server_context(args.wrong_host_cert, args.wrong_host_key),
                                    auth_require_tls=False)),
    ]
    return [Controller(handler, port=port, **common, **options) for port, options in wanted if port]


def parse_args():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--maildir", required=True)
    parser.add_argument("--owner")
    parser.add_argument("--trace", action="store_true")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--wrong-host-cert")
    parser.add_argument("--wrong-host-key")
    parser.add_argument("--user")
    parser.add_argument("--password")
    parser.add_argument("--auth-log")
    for name in ("--tls-port", "--login-only-port", "--starttls-port", "--stripped-port", "--wrong-host-port"):
        parser.add_argument(name, type=int)
    return parser.parse_args()


def main():
    args = parse_args()
    owner = pwd.getpwnam(args.owner) if args.owner else None
    handler = MaildirHandler(args.maildir, owner, args.trace)
    controllers = [Controller(handler, hostname="127.0.0.1", port=args.port,
                              data_size_limit=64 * 1024 * 1024, decode_data=False)]
    if args.cert:
        controllers += secure_controllers(args, handler)
    for controller in controllers:
        controller.start()
    # Deliveries are atomic (written in tmp/, then renamed), so stopping at once loses nothing.
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    signal.signal(signal.SIGINT, lambda *_: os._exit(0))
    while True:
        signal.pause()


if __name__ == "__main__":
    main()
