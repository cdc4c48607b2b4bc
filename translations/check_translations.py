#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a translation lags behind the sources: lupdate runs over a scratch copy of each
.ts file, and every text it finds untranslated (new in the sources) or vanished (gone from
them) is listed. The .ts files themselves stay untouched."""
import argparse
import pathlib
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree


def lagging_messages(ts_file):
    for context in ElementTree.parse(ts_file).getroot().iter('context'):
        for message in context.iter('message'):
            translation = message.find('translation')
            state = translation.get('type', '') if translation is not None else 'unfinished'
            numerus = translation is not None and len(translation.findall('numerusform')) > 0
            empty = translation is None or not (numerus or (translation.text or '').strip())
            if state in ('unfinished', 'vanished', 'obsolete') or empty:
                yield context.findtext('name'), message.findtext('source'), state or 'empty'


def check(ts_file, lupdate, sources, scratch):
    copy = scratch / ts_file.name
    shutil.copyfile(ts_file, copy)
    run = subprocess.run([lupdate, '-locations', 'none', f'@{sources}', '-ts', str(copy)],
                         capture_output=True, text=True)
    if run.returncode != 0:
        print(f'lupdate failed on {ts_file}:\n{run.stdout}{run.stderr}')
        return False
    lagging = list(lagging_messages(copy))
    for context, source, state in lagging:
        print(f'{ts_file.name}: {state} in {context}: {source!r}')
    if lagging:
        print(f'{len(lagging)} text(s) lag behind in {ts_file.name}: run "cmake --build build --target '
              'update_translations", '
              'translate what it marks unfinished (it drops the vanished ones itself).')
    return not lagging


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--lupdate', required=True)
    parser.add_argument('--sources', required=True, help='lupdate list file: -I lines and source files')
    parser.add_argument('--scratch', required=True, type=pathlib.Path)
    parser.add_argument('ts_files', nargs='+', type=pathlib.Path)
    args = parser.parse_args()
    args.scratch.mkdir(parents=True, exist_ok=True)
    results = [check(ts, args.lupdate, args.sources, args.scratch) for ts in args.ts_files]
    return 0 if all(results) else 1


if __name__ == '__main__':
    sys.exit(main())
