"""Reads one delivered message the way a strict reader does (email.policy.strict) and prints
what it saw as JSON: every defect, the header values as decoded, the text parts, each
attachment's name, type, charset and SHA-256, and any header line that is 8-bit or too long.

    /usr/bin/python3 strict_read.py MESSAGE_FILE
"""
import email
import email.policy
import hashlib
import json
import sys


def raw_header_faults(raw):
    faults = []
    in_header = True
    for line in raw.split(b"\n"):
        line = line.rstrip(b"\r")
        if in_header and line == b"":
            in_header = False
        elif not in_header and line.startswith(b"Content-"):
            in_header = True  # a part's header block
        if in_header and (max(line, default=0) >= 0x80 or len(line) > 998):
            faults.append(line[:80].decode("latin-1"))
    return faults


def visit(part, seen):
    seen["defects"] += [type(d).__name__ for d in part.defects]
    for key, value in part.items():
        seen["defects"] += ["%s: %s" % (key, d) for d in getattr(value, "defects", ())]
    if part.get_content_type() == "message/rfc822":
        # A leaf here: the enclosed message is the original's, defects and all.
        seen["attachments"].append({"name": part.get_filename(), "type": part.get_content_type(),
                                    "subject": str(part.get_payload(0)["Subject"])})
    elif part.is_multipart():
        for sub in part.iter_parts():
            visit(sub, seen)
    elif part.get_filename() is None:
        seen["texts"].append(part.get_content())
    else:
        seen["attachments"].append({"name": part.get_filename(), "type": part.get_content_type(),
                                    "charset": part.get_content_charset(),
                                    "sha256": hashlib.sha256(part.get_payload(decode=True)).hexdigest()})


def main():
    raw = open(sys.argv[1], "rb").read()
    msg = email.message_from_bytes(raw, policy=email.policy.strict)
    seen = {"defects": [], "headers": {}, "texts": [], "attachments": [],
            "header_faults": raw_header_faults(raw)}
    for name in ("From", "To", "Cc", "Reply-To"):
        if msg[name] is not None:
            seen["headers"][name] = [[a.display_name, a.addr_spec] for a in msg[name].addresses]
    for name in ("Subject", "Organisation", "Message-Id", "Date", "In-Reply-To", "References"):
        if msg[name] is not None:
            seen["headers"][name] = str(msg[name])
    visit(msg, seen)
    print(json.dumps(seen))


main()
