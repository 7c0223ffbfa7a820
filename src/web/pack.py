#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the web page as one file: the shell with its style and script, the
program (its script and its WebAssembly), the two faces of
Liberation Sans, the sound cues and the results picture, all inline. The
page's content security policy allows nothing from outside it: only its own
two scripts (by their hashes), its own style, and data inside it."""
import argparse
import base64
import hashlib
import html
import pathlib
import sys


def data_url(path, mime):
    return "data:%s;base64,%s" % (mime, base64.b64encode(pathlib.Path(path).read_bytes()).decode())


def script_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--shell-dir", required=True)
    p.add_argument("--code", required=True)
    p.add_argument("--wasm", required=True)
    p.add_argument("--regular", required=True)
    p.add_argument("--bold", required=True)
    p.add_argument("--picture", required=True)
    p.add_argument("--picture-name", required=True)
    p.add_argument("--output", required=True)
    p.add_argument("sounds", nargs="+")
    a = p.parse_args()
    shell = pathlib.Path(a.shell_dir)

    faces = "".join(
        '@font-face{font-family:"Liberation Sans";font-style:normal;font-weight:%d;'
        'font-display:block;src:url(%s) format("woff2");}\n' % (weight, data_url(path, "font/woff2"))
        for weight, path in ((400, a.regular), (700, a.bold)))
    style = (shell / "shell.css").read_text().replace("@FONTS@", faces)

    # The sounds and the picture are data blocks, not script: the browser
    # only reads them as text, and the page's script takes each when it
    # needs it, so none of it is parsed as JavaScript at start-up.
    blocks = [("suono", pathlib.Path(s).stem, data_url(s, "audio/wav")) for s in sorted(a.sounds)]
    blocks.append(("immagine", a.picture_name, data_url(a.picture, "image/svg+xml")))
    data = "\n".join('<script type="text/plain" data-%s="%s">%s</script>' % (kind, html.escape(name), url)
                     for kind, name, url in blocks)
    # The WebAssembly comes first, ahead of the scripts, so that the page's
    # script can start compiling it at once, while the browser reads on.
    program = '<script type="text/plain" data-programma>%s</script>' % (
        base64.b64encode(pathlib.Path(a.wasm).read_bytes()).decode())
    shell_script = (shell / "shell.js").read_text()
    code = pathlib.Path(a.code).read_text()
    for text in (shell_script, code, style):
        if "</script" in text.lower() or "</style" in text.lower():
            sys.exit("pack.py: an inline part would end its own element early")

    csp = "; ".join([
        "default-src 'none'",
        "script-src %s %s 'wasm-unsafe-eval'" % (script_hash(shell_script), script_hash(code)),
        "style-src 'unsafe-inline'",
        "font-src data:",
        "img-src data:",
        "media-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    page = (shell / "shell.html").read_text()
    # Each part is put in whole, never searched for the marks of the others.
    parts = {"@CSP@": csp, "@STYLE@": style, "@DATA@": data, "@PROGRAM@": program, "@SHELL@": shell_script,
             "@CODE@": code}
    out = []
    rest = page
    while True:
        marks = [(rest.find(m), m) for m in parts if rest.find(m) >= 0]
        if not marks:
            out.append(rest)
            break
        at, mark = min(marks)
        out.append(rest[:at])
        out.append(parts[mark])
        rest = rest[at + len(mark):]
    pathlib.Path(a.output).write_text("".join(out))


main()
