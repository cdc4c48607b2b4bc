#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times ravelin-cli check-mail fetching 1,000 messages of about 4 KB from the private dovecot,
without rules and with 20 rules and a trained junk filter, in one run (goal: within 1.15x).

    bench/rules_fetch.py [BUILD-DIR] [--runs N]

Each case is run N times (default 3); the median wall and CPU times (of ravelin-cli and the
bogofilter it starts) and their ratios are reported; on a busy machine the CPU ratio is the
steadier one. Needs
the packages of scripts/install-deps (dovecot, bogofilter) and a built ravelin-cli.
"""
import os
import pathlib
import shutil
import statistics
import subprocess

from transfer_vs_msmtp_mpop import empty_maildir, fill_maildir, private_servers, small_message, timed


def clear_mail(mail):
    for folder in (mail / "Mail").iterdir():
        for message in folder.glob("*.qrz"):
            message.unlink()


def add_rules(cli, env):
    for n in range(18):
        subprocess.run([cli, "rule", "add", f"Rule {n}", "--any", "--from", f"nobody{n}@example.net", "--match", "matches",
                        "--subject", f"^\\[project-{n}\\]", "--move-to", "Lists"], check=True, env=env)
    subprocess.run([cli, "rule", "add", "Read", "--match", "begins-with", "--subject", "message 1", "--mark-read"],
                   check=True, env=env)
    subprocess.run([cli, "rule", "add", "File", "--from", "sender2", "--move-to", "Lists", "--stop"], check=True, env=env)


def train_junk(cli, env, work):
    for kind, text in (("spam", b"Subject: cheap pills casino\r\n\r\nclaim your free million prize now\r\n"),
                       ("ham", b"Subject: meeting agenda\r\n\r\nthe project review is on tuesday\r\n")):
        files = []
        for n in range(50):
            path = work / f"{kind}{n}.eml"
            path.write_bytes(b"From: someone%d@example.org\r\n" % n + text)
            files.append(str(path))
        subprocess.run([cli, "junk", "learn", f"--{kind}"] + files, check=True, env=env, stdout=subprocess.DEVNULL)


def main():
    with private_servers() as (args, cli, work, env_values):
        maildir = pathlib.Path(env_values["RAVELIN_MAILDIR"])
        user, password = env_values["RAVELIN_MAIL_USER"], env_values["RAVELIN_MAIL_PASSWORD"]
        env = dict(os.environ, RAVELIN_CONFIG_DIR=str(work / "config"))
        (work / "config").mkdir()
        mail = work / "mail"
        (work / "config" / "Ravelin2 Options.ini").write_bytes(b"[Options]\r\nMailFolder=%s\r\n" % str(mail).encode())
        subprocess.run([cli, "add-account", "Bench", "--email", f"{user}@localhost", "--smtp", "127.0.0.1:25",
                        "--pop3", f"127.0.0.1:{env_values['RAVELIN_POP3_PORT']}", "--user", user, "--password", password,
                        "--allow-plain-password", "--default"], check=True, env=env)
        subprocess.run([cli, "list", "Inbox"], check=True, env=env, stdout=subprocess.DEVNULL)
        (mail / "Mail" / "Lists").mkdir()

        plain, sorted_ = [], []
        for _ in range(args.runs):
            (work / "config" / "Ravelin2 Rules.ini").unlink(missing_ok=True)
            shutil.rmtree(work / "config" / "Ravelin2 Junk", ignore_errors=True)
            fill_maildir(maildir, 1000, small_message)
            plain.append(timed([cli, "check-mail"], env=env))
            clear_mail(mail)
            add_rules(cli, env)
            train_junk(cli, env, work)
            fill_maildir(maildir, 1000, small_message)
            sorted_.append(timed([cli, "check-mail"], env=env))
            clear_mail(mail)
            empty_maildir(maildir)

        for kind, index in (("wall", 0), ("CPU", 1)):
            p = statistics.median(run[index] for run in plain)
            s = statistics.median(run[index] for run in sorted_)
            print(f"fetch 1,000 messages of about 4 KB, {kind:4}: no rules {p:7.3f} s   20 rules + junk filter "
                  f"{s:7.3f} s   ratio {s / p:5.2f}")


if __name__ == "__main__":
    main()
