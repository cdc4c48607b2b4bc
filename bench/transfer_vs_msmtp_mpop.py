#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times ravelin-cli next to msmtp and mpop against the same private servers, in one run:
sending one message with a 10 MB attachment, fetching 20 messages of 1 MiB and fetching 1,000
messages of about 4 KB. Both fetchers flush what they stored to disk before they end.

    bench/transfer_vs_msmtp_mpop.py [BUILD-DIR] [--runs N] [--fetch-only]

Each case is run N times (default 3) after its set-up, the two programs taking turns; the
median wall and CPU times are reported with the ratios Ravelin / peer (goals: 1.2 for the
large messages, 1.0 for the small ones). Needs the packages of scripts/install-deps (dovecot,
aiosmtpd, msmtp, mpop) and a built ravelin-cli.
"""
import argparse
import base64
import contextlib
import os
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent
TOP = HERE.parent
SERVERS = TOP / "tests" / "servers" / "mailservers"


def timed(command, **kwargs):
    """Wall and CPU seconds (user and system, of the command and its children)."""
    before = os.times()
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, **kwargs)
    wall = time.perf_counter() - start
    after = os.times()
    return wall, (after.children_user - before.children_user) + (after.children_system - before.children_system)


def big_message(user, attachment):
    body = base64.encodebytes(attachment).replace(b"\n", b"\r\n")
    return (b"From: Bench <" + user + b"@localhost>\r\nTo: " + user + b"@localhost\r\nSubject: big\r\n"
            b"MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"BB\"\r\n\r\n"
            b"--BB\r\nContent-Type: text/plain\r\n\r\nTen megabytes follow.\r\n"
            b"--BB\r\nContent-Type: application/octet-stream; name=\"big.bin\"\r\n"
            b"Content-Transfer-Encoding: base64\r\n\r\n" + body + b"\r\n--BB--\r\n")


def small_message(n):
    # A Message-ID of its own each time: every run stores every message anew.
    line = b"A line of text in a message of about four kilobytes, as mail usually is.\r\n"
    return (b"From: sender%d@example.org\r\nTo: tester@localhost\r\nSubject: message %d\r\nMessage-ID: <%s@bench>\r\n\r\n"
            % (n, n, os.urandom(8).hex().encode()) + line * 55)


def mebibyte_message(n):
    # base64 grows the attachment by 4/3 plus line ends: about 1 MiB in all.
    return big_message(b"tester", os.urandom(765 * 1024)).replace(b"Subject: big", b"Subject: big %d" % n)


def fill_maildir(maildir, count, make):
    new = maildir / "new"
    for n in range(count):
        path = new / ("%d.bench%05d" % (int(time.time()), n))
        path.write_bytes(make(n))
        if os.getuid() == 0:
            shutil.chown(path, "mail", "mail")


def empty_maildir(maildir):
    for sub in ("new", "cur"):
        for path in (maildir / sub).iterdir():
            path.unlink()


@contextlib.contextmanager
def private_servers():
    """Reads [BUILD-DIR] [--runs N], starts the private servers in a scratch folder and gives
    (args, ravelin-cli, the folder, the servers' settings); stops them and removes the folder after."""
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=str(TOP / "build"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--fetch-only", action="store_true", help="leave out the sending case")
    args = parser.parse_args()
    cli = pathlib.Path(args.build) / "cli" / "ravelin-cli"
    if not cli.exists():
        sys.exit(f"no ravelin-cli in {args.build}: build it first")

    work = pathlib.Path(tempfile.mkdtemp(prefix="ravelin-bench-"))
    os.chmod(work, 0o755)
    servers = work / "servers"
    subprocess.run([SERVERS, "start", servers], check=True)
    try:
        yield args, cli, work, dict(line.split("=", 1) for line in (servers / "servers.env").read_text().split())
    finally:
        subprocess.run([SERVERS, "stop", servers])
        shutil.rmtree(work, ignore_errors=True)


def main():
    with private_servers() as (args, cli, work, env_values):
        maildir = pathlib.Path(env_values["RAVELIN_MAILDIR"])
        user = env_values["RAVELIN_MAIL_USER"]
        password = env_values["RAVELIN_MAIL_PASSWORD"]
        smtp = env_values["RAVELIN_SMTP_PORT"]
        pop3 = env_values["RAVELIN_POP3_PORT"]

        env = dict(os.environ, RAVELIN_CONFIG_DIR=str(work / "config"))
        (work / "config").mkdir()
        (work / "config" / "Ravelin2 Options.ini").write_bytes(b"[Options]\r\nMailFolder=%s\r\n" % str(work / "mail").encode())
        subprocess.run([cli, "add-account", "Bench", "--email", f"{user}@localhost", "--smtp", f"127.0.0.1:{smtp}",
                        "--pop3", f"127.0.0.1:{pop3}", "--user", user, "--password", password, "--allow-plain-password",
                        "--default"],
                       check=True, env=env)

        eml = work / "big.eml"
        eml.write_bytes(big_message(user.encode(), os.urandom(10 * 1000 * 1000)))
        ravelin_send, msmtp_send = [], []
        for _ in range(0 if args.fetch_only else args.runs):
            subprocess.run([cli, "import", eml, "--folder", "Unsent"], check=True, env=env, stdout=subprocess.DEVNULL)
            ravelin_send.append(timed([cli, "send-unsent"], env=env))
            empty_maildir(maildir)
            with open(eml, "rb") as message:
                msmtp_send.append(timed(["msmtp", "--host=127.0.0.1", f"--port={smtp}", "--auth=off", "--tls=off",
                                         f"--from={user}@localhost", "--", f"{user}@localhost"], stdin=message))
            empty_maildir(maildir)

        mpoprc = work / "mpoprc"
        deliver = work / "mpop-maildir"
        for sub in ("new", "cur", "tmp"):
            (deliver / sub).mkdir(parents=True, exist_ok=True)
        mpoprc.write_text(f"account bench\nhost 127.0.0.1\nport {pop3}\ntls off\nauth user\nuser {user}\n"
                          f"password {password}\ndelivery maildir {deliver}\nkeep off\nuidls_file {work}/uidls\n"
                          "account default : bench\n")
        os.chmod(mpoprc, 0o600)
        fetches = {}
        for name, count, make in (("fetch 20 messages of 1 MiB", 20, mebibyte_message),
                                  ("fetch 1,000 messages of about 4 KB", 1000, small_message)):
            ravelin_fetch, mpop_fetch = [], []
            for _ in range(args.runs):
                fill_maildir(maildir, count, make)
                ravelin_fetch.append(timed([cli, "check-mail"], env=env))
                fill_maildir(maildir, count, make)
                mpop_fetch.append(timed(["mpop", f"--file={mpoprc}", "bench"]))
                empty_maildir(maildir)
            fetches[name] = (ravelin_fetch, mpop_fetch)

        def report(name, ours, peer, peer_name):
            if not ours:
                return
            wall = [statistics.median(times[0] for times in runs) for runs in (ours, peer)]
            cpu = [statistics.median(times[1] for times in runs) for runs in (ours, peer)]
            print(f"{name:36s} wall: ravelin {wall[0]:7.3f} s  {peer_name} {wall[1]:7.3f} s  ratio {wall[0] / wall[1]:5.2f}"
                  f"   cpu: ravelin {cpu[0]:6.3f} s  {peer_name} {cpu[1]:6.3f} s  ratio {cpu[0] / cpu[1]:5.2f}")

        report("send 1 message, 10 MB attachment", ravelin_send, msmtp_send, "msmtp")
        for name, (ours, peer) in fetches.items():
            report(name, ours, peer, "mpop ")


if __name__ == "__main__":
    main()
