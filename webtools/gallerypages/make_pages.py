#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the web elements gallery's download pages into site/tagloom/icons/.

The pages share site/tagloom/icons/icons.css, which is kept by hand.

Reads assets/gallery/README.md (number, file, size, page, description) and copies each
picture beside its page under the page's own name. Run from the repository root after the
gallery pictures change:  python3 webtools/gallerypages/make_pages.py
"""
import html
import pathlib
import re
import shutil

ROOT = pathlib.Path(__file__).resolve().parents[2]
ASSETS = ROOT / "assets" / "gallery"
OUT = ROOT / "site" / "tagloom" / "icons"

SETS = [("images", "Icons"), ("bullets", "Bullets"), ("dividers", "Dividers")]



def read_items():
    items = []
    pattern = re.compile(r"^(\d+) (item\d+\.png) (\d+)x(\d+) (\w+)\.htm (.+)$")
    for line in (ASSETS / "README.md").read_text(encoding="utf-8").splitlines():
        m = pattern.match(line.strip())
        if m:
            number, picture, width, height, page, what = m.groups()
            items.append(dict(number=int(number), picture=picture, width=int(width),
                              height=int(height), page=page, what=what))
    if len(items) != 46:
        raise SystemExit(f"expected 46 gallery items, found {len(items)}")
    return items


def title_of(item):
    name, n = re.match(r"([a-z]+)(\d+)", item["page"]).groups()
    kind = dict(SETS)[name]
    return f"{kind[:-1] if kind != 'Dividers' else 'Divider'} {n}"


def page_html(item, previous, following):
    title = title_of(item)
    what = item["what"]
    alt = re.sub(r'"', "", what)
    file = item["page"] + ".png"
    w, h = item["width"], item["height"]
    zoom = 1 if w > 200 else 4
    plain = f'<img src="{file}" width="{w}" height="{h}" alt="{alt}">'
    if item["page"].startswith("bullets"):
        blocks = [("As the mark of every point in a list:",
                   f'<ul style="list-style-image: url(\'{file}\')">\n'
                   f'  <li>First point</li>\n  <li>Second point</li>\n</ul>'),
                  ("Or in front of a line of your own:",
                   f'<img src="{file}" width="{w}" height="{h}" alt=""> Your text')]
    elif item["page"].startswith("dividers"):
        blocks = [("Between two parts of your page:",
                   f'<div style="text-align: center"><img src="{file}" width="{w}" height="{h}" alt=""></div>')]
    else:
        blocks = [("Where the picture should appear:", plain)]
    code_html = "\n".join(
        f'    <p>{html.escape(note)}</p>\n'
        f'    <textarea rows="{code.count(chr(10)) + 2}" readonly'
        f' aria-label="HTML code: {html.escape(note.rstrip(":"))}">{html.escape(code)}</textarea>'
        for note, code in blocks)
    nav_prev = (f'<a href="{previous["page"]}.htm">&lt;&lt; {html.escape(title_of(previous))}</a>'
                if previous else "<span></span>")
    nav_next = (f'<a href="{following["page"]}.htm">{html.escape(title_of(following))} &gt;&gt;</a>'
                if following else "<span></span>")
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>{html.escape(title)} - Tagloom web elements</title>
<link rel="stylesheet" href="icons.css">
</head>
<body>
<header><h1>{html.escape(title)}: {html.escape(what)}</h1><p><a href="index.html">All web elements</a> &middot; <a href="../../index.html">Tagloom home</a></p></header>
<main>
  <div class="box">
    <h2>Close up</h2>
    <div class="large"><img src="{file}" width="{w * zoom}" height="{h * zoom}" alt="{html.escape(alt)}, enlarged"></div>
    <p>{w} &times; {h} pixels{", shown four times enlarged" if zoom > 1 else ""}.</p>
  </div>
  <div class="box">
    <h2>At its own size</h2>
    <div class="small">
      <div style="background: #ffffff"><img src="{file}" width="{w}" height="{h}" alt="{html.escape(alt)}"></div>
      <div style="background: #e0e0e0"><img src="{file}" width="{w}" height="{h}" alt="{html.escape(alt)}"></div>
      <div style="background: #2d4f73"><img src="{file}" width="{w}" height="{h}" alt="{html.escape(alt)}"></div>
    </div>
  </div>
  <div class="box">
    <h2>Save the picture</h2>
    <p>Right-click this link and choose to save the linked file: <a href="{file}">{file}</a>.
    Put it in the same folder as your page, or change the address in the code below.</p>
    <h2>HTML for your page</h2>
{code_html}
  </div>
  <nav>{nav_prev}{nav_next}</nav>
</main>
</body>
</html>
"""


def index_html(items):
    parts = []
    for prefix, heading in SETS:
        rows = []
        for item in items:
            if item["page"].startswith(prefix) and re.fullmatch(prefix + r"\d+", item["page"]):
                file = item["page"] + ".png"
                rows.append(f'      <tr><td><img src="{file}" width="{item["width"]}" height="{item["height"]}" alt=""></td>'
                            f'<td><a href="{item["page"]}.htm">{html.escape(title_of(item))}</a></td>'
                            f'<td>{html.escape(item["what"])}</td></tr>')
        parts.append(f'  <div class="box">\n    <h2>{heading}</h2>\n    <table>\n' + "\n".join(rows) + "\n    </table>\n  </div>")
    body = "\n".join(parts)
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Tagloom web elements</title>
<link rel="stylesheet" href="icons.css">
</head>
<body>
<header><h1>Web elements</h1><p>Icons, bullets and dividers for your pages. <a href="../../index.html">Tagloom home</a></p></header>
<main>
{body}
</main>
</body>
</html>
"""


def main():
    items = read_items()
    OUT.mkdir(parents=True, exist_ok=True)
    for i, item in enumerate(items):
        shutil.copyfile(ASSETS / item["picture"], OUT / (item["page"] + ".png"))
        previous = items[i - 1] if i > 0 else None
        following = items[i + 1] if i + 1 < len(items) else None
        (OUT / (item["page"] + ".htm")).write_text(page_html(item, previous, following), encoding="utf-8")
    (OUT / "index.html").write_text(index_html(items), encoding="utf-8")


if __name__ == "__main__":
    main()
