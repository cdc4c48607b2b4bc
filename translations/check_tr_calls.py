#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails on a user-visible literal that bypasses tr() in the obvious places of window code:
the text argument of setText, setWindowTitle, setToolTip, addAction and the like, the caption
and text of a QMessageBox, and the text of a new label, button or check box. A literal there
must start with a letter to count, so names, punctuation and "%1" pass. A line may end in
"// untranslated: <why>" when its text is not for translating (a protocol word, a file name)."""
import pathlib
import re
import sys

LITERAL = r'(?:u"|QStringLiteral\(\s*"|QLatin1String\(\s*"|QString\(\s*"|")(?=\s*(?:\\u[0-9a-fA-F]{4}\s*)?&?[A-Za-z])'
CALLS = (r'\b(?:setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|setTitle'
         r'|setLabelText|setInformativeText|showMessage|addAction|addMenu|addTab|setTabText|setHeaderLabels?'
         r'|addItem|setItemText)\(\s*(?:\{\s*)?')
WIDGETS = r'\b(?:QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu|QToolButton)\b[\w\s*]*[({]\s*'
BOXES = r'\bQMessageBox::(?:warning|information|critical|question|about)\(\s*[^,]+,\s*(?:[^,]+,\s*)?'
PATTERN = re.compile('(?:%s|%s|%s)%s' % (CALLS, WIDGETS, BOXES, LITERAL))


def offending_lines(path):
    for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        if PATTERN.search(line) and '// untranslated:' not in line:
            yield number, line.strip()


def main(folders):
    found = [(path, number, line) for folder in folders for path in sorted(pathlib.Path(folder).rglob('*.cpp'))
             for number, line in offending_lines(path)]
    for path, number, line in found:
        print(f'{path}:{number}: a user-visible text without tr(): {line}')
    if found:
        print(f'{len(found)} text(s) to wrap in tr() (or QT_TRANSLATE_NOOP in a table), then add their '
              'translations: see CONTRIBUTING.md, "A text on screen".')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
