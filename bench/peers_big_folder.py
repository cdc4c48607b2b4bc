#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Ravelin next to Claws Mail and Sylpheed on the same big folders, under Xvfb.

    bench/peers_big_folder.py [--build BUILD_DIR] [--sizes 10000 100000] [--work DIR]

For each size, the same messages (dates as Ravelin writes them in the C locale, "9 Dec 2026
03:47:00") are written once as a .qrz tree for Ravelin and as an MH mailbox for the peers (Debian
packages claws-mail, sylpheed, xdotool, x11-apps; apt-get installs what is missing). The big
folder is each program's inbox. Each program then runs on its own Xvfb screen:

  first start   the folder is opened once and the program quits: its caches are warm
  second start  from the launch until the screen is still with the inbox's rows painted
  switch        the trash is clicked, then the inbox (xdotool): from the click until the
                screen is still again; the median of --rounds switches

Method and error: the screen is read with xwd every POLL seconds, and an event's time is that of
the first picture of the still screen (the last change seen), known once no change followed for
QUIET seconds (WARM_QUIET while caches are first built). A change is seen at most one poll plus
one xwd (about 30 ms at 1280x800) after it lands, so each figure is late by 0 to ~60 ms, and
10,000-message figures near 0.1 s carry that error in full. GTK cursor blinking is off, so no
idle program changes the screen. Both peers start in the inbox (Claws: goto_last_folder_on_startup).
The clicks go to where each program's folder rows lie in its default window on a screen without
window manager; the picture of each second start is kept in the program's home (second-start.xwd)
to check that the inbox did show. Ravelin also reports when its rows are painted
(RAVELIN_REPORT_ROWS_SHOWN, on the same monotonic clock), printed beside its screen figures as a
check of the method: the difference is what follows the paint (the preview of the first message).

The ratios printed are Ravelin's time over each peer's: at or below 1 is the goal.
"""
import argparse
import hashlib
import os
import shutil
import signal
import subprocess
import sys
import time
from datetime import datetime, timedelta

POLL = 0.02
QUIET = 3.0
# A peer building its caches for a big folder may leave the screen alone for seconds on end.
WARM_QUIET = 15.0
SCREEN = "1280x800x24"
BODY = "A line of body text that makes the message about as long as a short real one.\r\n" * 20


def dates(n):
    start = datetime(2026, 12, 9, 15, 47)
    for i in range(n):
        yield start - timedelta(minutes=37 * i)


def c_locale_text(when):
    return f"{when.day} {when.strftime('%b %Y %H:%M:%S')}"


def rfc822_date(when):
    return when.strftime("%a, %d %b %Y %H:%M:%S +0000")


def write_ravelin(root, n):
    for folder in ("Inbox", "Unsent", "Sent items", "Unfinished", "Trash"):
        os.makedirs(f"{root}/mail/Mail/{folder}", exist_ok=True)
    os.makedirs(f"{root}/mail/Attachments", exist_ok=True)
    os.makedirs(f"{root}/config", exist_ok=True)
    with open(f"{root}/config/Ravelin2 Options.ini", "w") as f:
        f.write(f"[Options]\r\nMailFolder={root}/mail\r\nCheckForDefClient=0\r\n")
    with open(f"{root}/config/Ravelin2 Accounts.ini", "w") as f:
        f.write("[Bench]\r\nEmail=bench@example.org\r\nPOP3Server=localhost\r\nSMTPServer=localhost\r\n")
    for i, when in enumerate(dates(n)):
        text = (f"[Header]\r\nSubject=Message number {i}\r\nTo=bob@example.org\r\n"
                f"From=Ann Lee <ann@example.org>\r\nDateTime={c_locale_text(when)}\r\nAccount=Bench\r\nCC=\r\n"
                f"ReplyAddress=ann@example.org\r\nRead={int(i % 3 != 0)}\r\nPriority=0\r\nAttachments=\r\n"
                f"Html=0\r\nX_MailBoundary=4711\r\nFrom: Ann Lee <ann@example.org>\r\n"
                f"Date: {rfc822_date(when)}\r\nX_MailBoundary!4711\r\n{BODY}")
        with open(f"{root}/mail/Mail/Inbox/mail{i}.qrz", "w", newline="") as f:
            f.write(text)


def write_mh(mail, n):
    for folder in ("inbox", "sent", "queue", "trash", "draft"):
        os.makedirs(f"{mail}/{folder}", exist_ok=True)
    for i, when in enumerate(dates(n)):
        with open(f"{mail}/inbox/{i + 1}", "w") as f:
            f.write(f"From: Ann Lee <ann@example.org>\nTo: bob@example.org\nSubject: Message number {i}\n"
                    f"Date: {rfc822_date(when)}\nMessage-ID: <{i}@example.org>\n\n"
                    + BODY.replace("\r\n", "\n"))


def folderlist(mail):
    items = "".join(f'    <folderitem type="{kind}" name="{name}" path="{name}" />\n'
                    for kind, name in (("inbox", "inbox"), ("outbox", "sent"), ("queue", "queue"),
                                       ("trash", "trash"), ("draft", "draft")))
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<folderlist>\n'
            f'  <folder type="mh" name="Mailbox" path="{mail}">\n{items}  </folder>\n</folderlist>\n')


ACCOUNT = ("[Account: 1]\naccount_name=Bench\nis_default=1\nname=Bench\naddress=bench@example.org\n"
           "protocol=0\nreceive_server=localhost\nsmtp_server=localhost\nuser_id=bench\n"
           "inbox=#mh/Mailbox/inbox\n")


def write_peer_home(home, config, mail, rc_name, rc_text):
    os.makedirs(f"{home}/{config}", exist_ok=True)
    os.makedirs(f"{home}/.config/gtk-3.0", exist_ok=True)
    with open(f"{home}/.config/gtk-3.0/settings.ini", "w") as f:
        f.write("[Settings]\ngtk-cursor-blink = false\n")
    with open(f"{home}/.gtkrc-2.0", "w") as f:
        f.write("gtk-cursor-blink = 0\n")
    with open(f"{home}/{config}/accountrc", "w") as f:
        f.write(ACCOUNT)
    with open(f"{home}/{config}/folderlist.xml", "w") as f:
        f.write(folderlist(mail))
    with open(f"{home}/{config}/{rc_name}", "w") as f:
        f.write(rc_text)


def generate(work, n):
    root = f"{work}/{n}"
    if os.path.exists(f"{root}/done"):
        return root
    shutil.rmtree(root, ignore_errors=True)
    write_ravelin(root, n)
    write_mh(f"{root}/Mail", n)
    write_peer_home(f"{root}/home-claws", ".claws-mail", f"{root}/Mail", "clawsrc",
                    "[Common]\ngoto_last_folder_on_startup=1\nshow_tips=0\n")
    write_peer_home(f"{root}/home-sylpheed", ".sylpheed-2.0", f"{root}/Mail", "sylpheedrc",
                    "[Common]\nopen_inbox_on_startup=1\n")
    open(f"{root}/done", "w").close()
    return root


class Screen:
    """One Xvfb display and the pictures taken of it."""

    def __init__(self, number):
        self.display = f":{number}"
        self.server = subprocess.Popen(["Xvfb", self.display, "-screen", "0", SCREEN, "-nolisten", "tcp"],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            time.sleep(0.05)

    def picture(self):
        shot = subprocess.run(["xwd", "-root", "-silent", "-display", self.display], capture_output=True)
        return hashlib.md5(shot.stdout).digest()

    def still_after(self, before, since, timeout, quiet=QUIET):
        """Seconds from `since` to the first picture of the screen once it stays still; `before`
        is the picture taken before whatever began at `since`."""
        last, changed = before, since
        while True:
            taken = time.monotonic()
            now = self.picture()
            if now != last:
                last, changed = now, taken
            elif taken - changed > quiet:
                return changed - since
            if taken - since > timeout:
                return None
            time.sleep(POLL)

    def save(self, path):
        with open(path, "wb") as f:
            subprocess.run(["xwd", "-root", "-silent", "-display", self.display], stdout=f)

    def point(self, x, y):
        """Moves the pointer there and waits until what hovering changes is painted."""
        before = self.picture()
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], env=self.env({}))
        self.still_after(before, time.monotonic(), 10)

    def click(self):
        subprocess.run(["xdotool", "click", "1"], env=self.env({}))

    def env(self, extra):
        return dict(os.environ, DISPLAY=self.display, **extra)

    def close(self):
        self.server.terminate()
        self.server.wait()


class Program:
    """How to start, stop and click one mail program; `inbox` and `trash` are where their
    folder rows lie in its main window on an empty screen."""

    def __init__(self, name, command, env, inbox, trash, quit_command=None):
        self.name, self.command, self.env = name, command, env
        self.inbox, self.trash, self.quit_command = inbox, trash, quit_command
        self.process = None
        self.log = None

    def start(self, screen):
        self.log = open(f"{self.env['HOME']}/stderr-{self.name}.log", "w")
        self.process = subprocess.Popen(self.command, env=screen.env(self.env), stdout=subprocess.DEVNULL,
                                        stderr=self.log, start_new_session=True)

    def stop(self, screen):
        if self.quit_command:
            subprocess.run(self.quit_command, env=screen.env(self.env), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=120)
        else:
            self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=120)
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        self.log.close()


def programs(root, build):
    ravelin = Program("ravelin", [f"{build}/app/ravelin"],
                      {"HOME": f"{root}/home-ravelin", "RAVELIN_CONFIG_DIR": f"{root}/config",
                       "RAVELIN_REPORT_ROWS_SHOWN": "1", "XDG_RUNTIME_DIR": f"{root}/home-ravelin"},
                      inbox=(125, 167), trash=(124, 255))
    claws = Program("claws", ["claws-mail", "--alternate-config-dir", f"{root}/home-claws/.claws-mail"],
                    {"HOME": f"{root}/home-claws"}, inbox=(105, 213), trash=(104, 281),
                    quit_command=["claws-mail", "--alternate-config-dir", f"{root}/home-claws/.claws-mail", "--exit"])
    sylpheed = Program("sylpheed", ["sylpheed"], {"HOME": f"{root}/home-sylpheed"}, inbox=(175, 190),
                       trash=(139, 274), quit_command=["sylpheed", "--exit"])
    os.makedirs(f"{root}/home-ravelin", mode=0o700, exist_ok=True)
    return [ravelin, claws, sylpheed]


def painted_times(program):
    """The monotonic times Ravelin reported for painted rows of its inbox."""
    with open(program.log.name) as f:
        return [int(line.split()[-1]) / 1000 for line in f
                if line.startswith("ravelin: rows painted:") and "/Inbox " in line]


def measure(program, screen, timeout, rounds):
    before = screen.picture()
    program.start(screen)
    screen.still_after(before, time.monotonic(), timeout, WARM_QUIET)
    for folder in (program.inbox, program.trash, program.inbox):
        screen.point(*folder)
        before = screen.picture()
        screen.click()
        screen.still_after(before, time.monotonic(), timeout, WARM_QUIET)
    program.stop(screen)

    before = screen.picture()
    launched = time.monotonic()
    program.start(screen)
    second_start = screen.still_after(before, launched, timeout)
    screen.save(f"{program.env['HOME']}/second-start.xwd")
    switches, clicks = [], []
    for _ in range(rounds):
        screen.point(*program.trash)
        before = screen.picture()
        screen.click()
        screen.still_after(before, time.monotonic(), timeout)
        screen.point(*program.inbox)
        before = screen.picture()
        clicks.append(time.monotonic())
        screen.click()
        switches.append(screen.still_after(before, clicks[-1], timeout))
    program.stop(screen)
    hook = None
    if program.name == "ravelin":
        reported = painted_times(program)
        if len(reported) == rounds + 1:
            hook = (reported[0] - launched, median([t - c for t, c in zip(reported[1:], clicks)]))
    return second_start, median(switches), hook


def median(values):
    known = sorted(v for v in values if v is not None)
    return known[len(known) // 2] if known else None


def seconds(value):
    return "   -   " if value is None else f"{value:7.3f}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build")
    parser.add_argument("--sizes", type=int, nargs="+", default=[10000, 100000])
    parser.add_argument("--work", default="/tmp/ravelin-peers")
    parser.add_argument("--timeout", type=float, default=600)
    parser.add_argument("--rounds", type=int, default=3, help="switches measured; the median is shown")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    for tool, package in (("claws-mail", "claws-mail"), ("sylpheed", "sylpheed"), ("xdotool", "xdotool"),
                          ("xwd", "x11-apps"), ("Xvfb", "xvfb")):
        if not shutil.which(tool):
            subprocess.run(["apt-get", "install", "-y", package], check=True)
    display = 70
    for n in args.sizes:
        root = generate(os.path.abspath(args.work), n)
        results = {}
        for program in programs(root, build):
            screen = Screen(display)
            display += 1
            try:
                results[program.name] = measure(program, screen, args.timeout, args.rounds)
            finally:
                screen.close()
        print(f"\n{n} messages      second start   switch (s)")
        for name, (start, switch, hook) in results.items():
            check = f"   (painted, by Ravelin: {hook[0]:.3f} / {hook[1]:.3f})" if hook else ""
            print(f"  {name:10} {seconds(start)}      {seconds(switch)}{check}")
        ours = results["ravelin"]
        for peer in ("claws", "sylpheed"):
            theirs = results[peer]
            ratios = [f"{a / b:.2f}" if a is not None and b else "-" for a, b in zip(ours[:2], theirs[:2])]
            print(f"  Ravelin / {peer:9} {ratios[0]:>7}      {ratios[1]:>7}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
