#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes what Python's email package reads from every message of the corpus, as the values the
MIME reader is compared with: decoded subject and senders, the text shown, and every
attachment's name, size and SHA-256.

    tests/mime/expected_from_python.py [CORPUS_DIR [OUT_JSON]]

The attachment rule is the reader's own: every leaf part except the text shown and the plain
text alternatives beside it (HTML is kept); an attached message counts whole (as its bytes) and
is not entered.
"""
import email
import email.header
import email.policy
import email.utils
import hashlib
import json
import pathlib
import sys

# Writes header lines back as they came, without folding them anew.
UNFOLDED = email.policy.compat32.clone(max_line_length=None)
HERE = pathlib.Path(__file__).resolve().parent
corpus = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else HERE / "data" / "corpus"
out = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else HERE / "data" / "expected.json"


def mailboxes(header):
    """Names from comments count too ("a@b (Name)"), as every mail program shows them."""
    if header is None:
        return ""
    try:
        pairs = [(decoded(name), addr) for name, addr in email.utils.getaddresses([header])]
    except Exception:
        return None  # unreadable: not compared
    return ", ".join(f"{name} <{addr}>" if name else addr for name, addr in pairs if name or addr)


def decoded(words):
    return str(email.header.make_header(email.header.decode_header(words)))


def text_of(part):
    try:
        return part.get_content()
    except (LookupError, UnicodeError):
        return None  # unknown charset: not compared


def body_part(msg):
    try:
        return msg.get_body(preferencelist=("plain", "html"))
    except Exception:
        return None


def is_named_or_attached(part):
    return part.get_filename() is not None or part.get_content_disposition() == "attachment"


def attachments(part, body, parent_type, found, linesep):
    ctype = part.get_content_type()
    if ctype == "message/rfc822":
        # Written with the file's own line ends, the attached message comes back as it stood.
        inner = part.get_payload(0)
        data = inner.as_bytes(policy=UNFOLDED.clone(linesep=linesep)) if isinstance(inner, email.message.Message) else b""
        found.append(describe(part, data))
        return
    if ctype.startswith("multipart/") and part.is_multipart():
        for sub in part.get_payload():
            attachments(sub, body, ctype, found, linesep)
        return
    if part.is_multipart():  # message/delivery-status and the like: the body as it stands
        found.append(describe(part, raw_body(part)))
        return
    if part is body:
        return
    if (ctype.startswith("text/") and ctype != "text/html" and parent_type == "multipart/alternative"
            and not is_named_or_attached(part)):
        return
    found.append(describe(part, part.get_payload(decode=True) or b""))


def raw_body(part):
    text = part.as_bytes(policy=UNFOLDED)
    return text.split(b"\n\n", 1)[1] if b"\n\n" in text else b""


def has_defects(msg):
    return any(part.defects for part in msg.walk())


def describe(part, data):
    try:
        name = part.get_filename()
    except Exception:
        name = None
    return {"name": name, "size": len(data), "sha256": hashlib.sha256(data).hexdigest()}


def expected(path):
    source = path.read_bytes()
    msg = email.message_from_bytes(source, policy=email.policy.default)
    raw = email.message_from_bytes(path.read_bytes(), policy=email.policy.compat32)
    body = body_part(msg)
    found = []
    attachments(msg, body, "", found, "\r\n" if b"\r\n" in source else "\n")
    try:
        subject = str(msg["subject"] or "")
    except Exception:
        subject = None
    return {
        "subject": subject,
        "from": mailboxes(raw["from"]),
        "text": text_of(body) if body is not None else "",
        "html": body is not None and body.get_content_type() == "text/html",
        "attachments": found,
        "defects": has_defects(msg),
    }


result = {p.name: expected(p) for p in sorted(corpus.iterdir()) if p.is_file()}
out.write_text(json.dumps(result, indent=1, ensure_ascii=False, sort_keys=True) + "\n", encoding="utf-8")
print(f"{len(result)} messages -> {out}")
