#!/usr/bin/env python3
"""Draws the module's pictures and writes them as .pic files next to this
script; the build embeds those files. Run it again after changing any of the
artwork here, and look at the result with --preview DIR (PNG files, through
ImageMagick's convert)."""

import os
import subprocess
import sys

sys.dont_write_bytecode = True  # Keep resources/ free of caches.

from canvas import *  # noqa: F401,F403 (colour names and Canvas)
from toolbar_art import BUTTONS

HERE = os.path.dirname(os.path.abspath(__file__))
HEX = {c: i for i, c in enumerate("0123456789ABCDEF")}


def toolbar():
    c = Canvas(144, 15)
    for n, rows in enumerate(BUTTONS):
        c.art(16 * n, 0, rows, HEX)
    return c


def cube(c, x, y, s, d, letter):
    """An oblique cube with its front face at x, y (s wide), depth d."""
    # Top and side faces, drawn row by row so the slanted edges stay crisp.
    for k in range(1, d + 1):
        c.hline(x + k, y - k, s, WHITE)
        c.vline(x + s - 1 + k, y - k, s, DGREY)
    for k in range(d + 1):
        c.set(x + k, y - k, BLACK)
        c.set(x + s - 1 + k, y - k, BLACK)
        c.set(x + s - 1 + k, y + s - 1 - k, BLACK)
    c.hline(x + d, y - d, s, BLACK)
    c.vline(x + s - 1 + d, y - d, s, BLACK)
    c.fill(x, y, s, s, WHITE)
    c.frame(x, y, s, s, BLACK)
    scale = max(1, (s - 4) // 7)
    c.text(x + (s - 5 * scale) // 2, y + (s - 7 * scale + 1) // 2, letter, BLACK, scale)


def mfc_cubes(c, x, y, s, d):
    """Three stacked cubes, M and F below, C on top, at the box's corner x, y."""
    base = y + d + s + 1 + s - 1
    cube(c, x, base - s + 1, s, d, "M")
    cube(c, x + s + 1, base - s + 1, s, d, "F")
    cube(c, x + (s + 1) // 2, base - 2 * s - d + 2, s, d, "C")


def app_icon():
    c = Canvas(32, 32, DBLUE)
    mfc_cubes(c, 1, 2, 13, 3)
    return c


def doc_icon():
    c = Canvas(32, 32, CLEAR)
    left, top, right, bottom = 3, 1, 28, 30
    c.fill(left, top, right - left + 1, bottom - top + 1, WHITE)
    c.frame(left, top, right - left + 1, bottom - top + 1, BLACK)
    c.text(left + 2, top + 3, "DOC1", RED)
    for y in range(13, 28, 3):
        c.hline(left + 2, y, right - left - 3, BLUE)
    # The curled lower corner: the page is cut away below the diagonal and
    # the turned-up flap shows its grey back.
    curl = 7
    for j in range(curl):
        y = bottom - curl + 1 + j
        for x in range(right - j, right + 1):
            c.set(x, y, CLEAR)
        c.set(right - j - 1, y, BLACK)
    for j in range(curl - 1):
        y = bottom - curl + 1 + j
        c.hline(right - curl + 1, y, curl - 1 - j - 1, LGREY)
        c.set(right - curl, y, BLACK)
    c.hline(right - curl, bottom - curl, curl, BLACK)
    for j in range(curl - 1):
        c.set(right - curl + 1 + (curl - 2 - j), bottom - curl + 1 + j, BLACK)
    c.hline(left, bottom, right - left - curl + 1, BLACK)
    return c


def window(c, x, y, w, h, title, active=True, menu=None, client=WHITE):
    """A framed window with a caption bar; returns its client rectangle."""
    c.bevel(x, y, w, h)
    c.fill(x + 2, y + 2, w - 4, 11, DBLUE if active else DGREY)
    c.text(x + 4, y + 4, title, WHITE if active else LGREY)
    for k in range(3):
        bx = x + w - 13 - 10 * k
        c.bevel(bx, y + 3, 9, 9)
    cy = y + 13
    if menu:
        c.fill(x + 2, cy, w - 4, 10, LGREY)
        c.text(x + 5, cy + 2, menu, BLACK)
        cy += 10
    c.fill(x + 2, cy, w - 4, y + h - 2 - cy, client)
    return x + 2, cy, w - 4, y + h - 2 - cy


def text_lines(c, x, y, w, h, colour=DGREY, step=5, seed=3):
    """Lines of greeked text."""
    lengths = [0.9, 0.7, 0.95, 0.5, 0.85, 0.6, 0.8, 0.4]
    for n, j in enumerate(range(y, y + h - 1, step)):
        c.hline(x, j, int(w * lengths[(n + seed) % len(lengths)]), colour)
        c.hline(x, j + 1, int(w * lengths[(n + seed) % len(lengths)]), colour)


def frame_window(c, title, kind):
    """The application frame: menu, tool bar, status bar; returns the client."""
    x, y, w, h = window(c, 2, 2, c.width - 4, c.height - 4, title, menu="FILE EDIT VIEW HELP")
    c.fill(x, y, w, h, LGREY)
    bar = toolbar()
    c.hline(x, y, w, WHITE)
    for n in range(8 if kind != "mini" else 3):
        c.bevel(x + 3 + n * 18 + (6 if n > 5 else 0) + (6 if n > 2 else 0), y + 2, 18, 17)
        for j in range(15):
            for i in range(16):
                c.set(x + 4 + n * 18 + (6 if n > 5 else 0) + (6 if n > 2 else 0) + i, y + 3 + j,
                      bar.get(16 * n + i, j))
    top = y + 21
    c.fill(x, y + h - 11, w, 11, LGREY)
    c.bevel(x + 2, y + h - 10, w - 50, 9, raised=False)
    c.text(x + 5, y + h - 9, "READY", BLACK)
    c.bevel(x + w - 46, y + h - 10, 21, 9, raised=False)
    c.bevel(x + w - 23, y + h - 10, 21, 9, raised=False)
    return x + 1, top, w - 2, h - 21 - 12


def mdi_picture():
    c = Canvas(189, 141)
    x, y, w, h = frame_window(c, "DEMO", "full")
    c.bevel(x, y, w, h, raised=False, face=DGREY)
    for n, title in enumerate(["DEMO1", "DEMO2", "DEMO3"]):
        wx, wy = x + 4 + n * 14, y + 3 + n * 13
        cx, cy, cw, ch = window(c, wx, wy, 110, 54, title, active=(n == 2))
        text_lines(c, cx + 3, cy + 3, cw - 8, ch - 5, seed=n)
    return c


def sdi_picture():
    c = Canvas(189, 141)
    x, y, w, h = frame_window(c, "DEMO1 - DEMO", "full")
    c.bevel(x, y, w, h, raised=False, face=WHITE)
    text_lines(c, x + 6, y + 5, w - 14, h - 8, seed=1)
    return c


def database_picture():
    c = Canvas(189, 141)
    c.text(6, 4, "DATABASE SUPPORT", DBLUE)
    # A cylinder: the stored data.
    cx, top, rx, ry, height = 42, 38, 28, 8, 62
    c.fill(cx - rx, top, 2 * rx + 1, height, DCYAN)
    for j in range(-ry, ry + 1):
        half = int(rx * (1 - (j / ry) ** 2) ** 0.5)
        c.hline(cx - half, top + j, 2 * half + 1, CYAN)
        c.set(cx - half, top + j, BLACK)
        c.set(cx + half, top + j, BLACK)
        if j >= 0:
            c.set(cx - half, top + height + j, BLACK)
            c.set(cx + half, top + height + j, BLACK)
            for i in range(-half + 1, half):
                c.set(cx + i, top + height + j, DCYAN)
    c.vline(cx - rx, top, height, BLACK)
    c.vline(cx + rx, top, height, BLACK)
    for band in (20, 40):
        for i in range(-rx + 1, rx):
            j = int(ry * (1 - (i / rx) ** 2) ** 0.5)
            c.set(cx + i, top + band + j, CYAN)
    for i in range(-rx, rx + 1):
        j = int(ry * (1 - (i / rx) ** 2) ** 0.5)
        c.set(cx + i, top + j, BLACK)
        c.set(cx + i, top - j, BLACK)
        c.set(cx + i, top + height + j, BLACK)
    # Arrows from the store to a record view.
    for k in range(3):
        c.hline(78, 60 + k, 20, BLACK)
    for k in range(6):
        c.vline(98 + k, 56 + k, 11 - 2 * k, BLACK)
    # A record view: a grid of fields.
    gx, gy, cols, rows, cw, ch = 110, 30, 3, 7, 24, 11
    c.fill(gx, gy, cols * cw + 1, ch, DBLUE)
    for col, name in enumerate(["ID", "NAME", "CITY"]):
        c.text(gx + 3 + col * cw, gy + 2, name[:3], WHITE)
    c.fill(gx, gy + ch, cols * cw + 1, (rows - 1) * ch, WHITE)
    for r in range(rows + 1):
        c.hline(gx, gy + r * ch, cols * cw + 1, BLACK)
    for col in range(cols + 1):
        c.vline(gx + col * cw, gy, rows * ch + 1, BLACK)
    for r in range(1, rows):
        for col in range(cols):
            c.hline(gx + 3 + col * cw, gy + r * ch + 5, [14, 18, 10, 16][(r + col) % 4], DGREY)
    c.fill(gx + 1, gy + 3 * ch + 1, cols * cw - 1, ch - 1, YELLOW)
    c.hline(gx + 3, gy + 3 * ch + 5, 14, BLACK)
    c.text(6, 126, "NONE: NO DATABASE", DRED)
    return c


def interface_picture():
    c = Canvas(189, 141)
    x, y, w, h = frame_window(c, "DEMO", "full")
    c.bevel(x, y, w, h, raised=False, face=WHITE)
    text_lines(c, x + 6, y + 5, w - 70, h - 8, seed=2)
    # A printer and the page it prints.
    px, py = x + w - 58, y + 12
    c.fill(px + 12, py, 30, 20, WHITE)
    c.frame(px + 12, py, 30, 20, BLACK)
    for j in range(4, 18, 3):
        c.hline(px + 15, py + j, 22, DGREY)
    c.bevel(px + 2, py + 18, 50, 18)
    c.frame(px + 1, py + 17, 52, 20, BLACK)
    c.fill(px + 44, py + 22, 4, 3, GREEN)
    c.fill(px + 8, py + 37, 38, 4, DGREY)
    c.fill(px + 10, py + 38, 34, 14, WHITE)
    c.frame(px + 10, py + 38, 34, 14, BLACK)
    c.hline(px + 13, py + 42, 26, DGREY)
    c.hline(px + 13, py + 46, 20, DGREY)
    return c


CODE = [
    ("c", "// DEMOVIEW.CPP : THE VIEW"), ("", ""),
    ("k", "void CDemoView::OnDraw(CDC* pDC)"), ("k", "{"),
    ("s", "    CDemoDoc* pDoc = GetDocument();"), ("s", "    ASSERT_VALID(pDoc);"),
    ("c", "    // TODO: ADD DRAW CODE HERE"), ("k", "}"), ("", ""),
    ("c", "// CDEMOVIEW DIAGNOSTICS"), ("k", "#ifdef _DEBUG"),
    ("k", "void CDemoView::AssertValid()"),
]


def code_picture(comments):
    """An editor window on a view source; comments are written out in green,
    code is shown as bars of its words."""
    c = Canvas(189, 141)
    x, y, w, h = window(c, 2, 2, 185, 137, "DEMOVIEW.CPP")
    c.bevel(x, y, w, h, raised=False, face=WHITE)
    colours = {"k": DBLUE, "s": BLACK}
    row = y + 5
    for kind, text in CODE:
        if kind == "c" and not comments:
            continue
        indent = (len(text) - len(text.lstrip())) * 3
        if kind == "c":
            c.text(x + 4 + indent, row, text.strip(), DGREEN)
        elif kind:
            wx = x + 4 + indent
            for word in text.strip().split(" "):
                c.fill(wx, row + 2, len(word) * 4, 3, colours[kind])
                wx += len(word) * 4 + 4
        row += 10
    return c


def ctl3d_picture():
    c = Canvas(170, 64)
    c.text(4, 3, "3D CONTROLS", DBLUE)
    # A push button.
    c.frame(4, 16, 48, 20, BLACK)
    c.bevel(5, 17, 46, 18)
    c.centred_text(28, 23, "OK", BLACK)
    # A check box, checked.
    c.bevel(62, 19, 13, 13, raised=False, face=WHITE)
    c.art(64, 21, [".........", ".......0.", "......00.", "0....000.", "00..000..",
                   "000000...", ".0000....", "..00.....", "........."], {"0": BLACK})
    c.text(79, 22, "CHECK", BLACK)
    # A radio button, selected.
    ring = ["....0000....", "..00WWWW00..", ".0WWWWWWWWL.", ".0WWWWWWWWL.", "0WWWWWWWWWWL",
            "0WWWWWWWWWWL", "0WWWWWWWWWWL", "0WWWWWWWWWWL", ".0WWWWWWWWL.", ".0WWWWWWWWL.",
            "..LLWWWWLL..", "....LLLL...."]
    c.art(62, 43, ring, {"0": DGREY, "W": WHITE, "L": WHITE})
    c.fill(66, 47, 4, 4, BLACK)
    c.text(79, 46, "RADIO", BLACK)
    # A sunken edit field.
    c.bevel(122, 17, 44, 17, raised=False, face=WHITE)
    c.text(126, 22, "ABC", BLACK)
    c.vline(146, 20, 11, BLACK)
    # A group frame, etched.
    c.frame(4, 41, 50, 19, DGREY)
    c.frame(5, 42, 50, 19, WHITE)
    c.text(10, 48, "GROUP", BLACK)
    c.bevel(122, 42, 44, 17)
    c.text(126, 47, "HELP", BLACK)
    return c


def sparkle(c, x, y, r, colour=YELLOW):
    c.hline(x - r, y, 2 * r + 1, colour)
    c.vline(x, y - r, 2 * r + 1, colour)
    c.set(x - 1, y - 1, WHITE)
    c.set(x + 1, y + 1, WHITE)
    c.set(x, y, WHITE)


def strip(ground):
    c = Canvas(180, 388)
    c.gradient(0, 0, 180, 388, ground)
    return c


def back_picture():
    c = strip([DBLUE, BLUE, DCYAN])
    logo = Canvas(32, 32, None)
    mfc_cubes(logo, 1, 2, 13, 3)
    c.paste(42, 40, logo, scale=3)
    c.centred_text(90, 160, "MFC", WHITE, scale=3)
    c.centred_text(90, 190, "VANTREL", YELLOW, scale=2)
    c.centred_text(90, 214, "APPLICATION", WHITE)
    c.centred_text(90, 224, "WIZARD", WHITE)
    for x, y, r in [(22, 24, 4), (150, 30, 3), (160, 120, 5), (18, 140, 3), (140, 250, 4),
                    (30, 300, 5), (120, 340, 3), (70, 270, 2)]:
        sparkle(c, x, y, r)
    # Steps climbing towards the finish.
    for n in range(6):
        c.bevel(20 + n * 24, 370 - n * 12, 24, 12 + n * 12, face=LGREY)
        c.text(29 + n * 24, 373 - n * 12, str(n + 1), DBLUE)
    return c


def final_picture():
    c = strip([DGREEN, DCYAN, DBLUE])
    c.centred_text(90, 20, "READY TO", WHITE, scale=2)
    c.centred_text(90, 42, "GENERATE", YELLOW, scale=2)
    # A large check mark in a disc.
    cx, cy, r = 90, 110, 42
    for j in range(-r, r + 1):
        half = int((r * r - j * j) ** 0.5)
        c.hline(cx - half, cy + j, 2 * half + 1, WHITE)
    for j in range(-r + 4, r - 3):
        half = int(((r - 4) ** 2 - j * j) ** 0.5) if abs(j) <= r - 4 else 0
        c.hline(cx - half, cy + j, 2 * half + 1, GREEN)
    for t in range(7):
        c.line(cx - 22, cy - 2 + t, cx - 6, cy + 16 + t, WHITE)
        c.line(cx - 6, cy + 16 + t, cx + 24, cy - 20 + t, WHITE)
    # The four classes the project gets.
    names = ["APP", "FRAME", "DOC", "VIEW"]
    for n, name in enumerate(names):
        bx, by = 30, 180 + n * 44
        c.bevel(bx, by, 120, 26)
        c.centred_text(bx + 60, by + 10, "C" + name if name != "FRAME" else "CMAINFRAME", DBLUE)
        if n:
            c.vline(bx + 60, by - 18, 18, WHITE)
    for x, y, r in [(20, 160, 3), (160, 70, 4), (155, 350, 3), (24, 360, 4)]:
        sparkle(c, x, y, r)
    return c


def file_icon(c, x, y, name, colour):
    c.fill(x, y, 20, 24, WHITE)
    c.frame(x, y, 20, 24, BLACK)
    for k in range(6):
        c.hline(x + 20 - 6 + k, y + k, 6 - k, LGREY)
    c.line(x + 14, y, x + 19, y + 5, BLACK)
    c.fill(x + 3, y + 14, 14, 6, colour)
    for j in range(5, 12, 3):
        c.hline(x + 3, y + j, 10, DGREY)
    c.centred_text(x + 10, y + 28, name, BLACK)


def newproject_picture():
    c = Canvas(446, 360, LGREY)
    c.gradient(0, 0, 446, 150, [DBLUE, BLUE])
    logo = Canvas(32, 32, None)
    mfc_cubes(logo, 1, 2, 13, 3)
    c.paste(18, 8, logo, scale=4)
    c.text(160, 28, "MFC VANTREL", WHITE, scale=4)
    c.text(162, 72, "NEW MFC APPLICATION", YELLOW, scale=2)
    c.text(162, 100, "A MULTIPLE-DOCUMENT SKELETON", WHITE)
    c.text(162, 112, "FOR C++BUILDER, IN SIX STEPS", WHITE)
    for x, y, r in [(150, 20, 3), (420, 18, 4), (400, 120, 3), (300, 140, 2)]:
        sparkle(c, x, y, r)
    c.hline(0, 150, 446, BLACK)
    c.hline(0, 151, 446, WHITE)
    c.text(14, 162, "THE PROJECT IT WRITES:", DBLUE)
    files = [("DEMO.BPR", RED), ("DEMO.CPP", DBLUE), ("DEMO.RC", DMAGENTA), ("MAINFRM", DBLUE),
             ("DEMODOC", DBLUE), ("DEMOVIEW", DBLUE), ("STDAFX", DGREEN), ("TOOLBAR", DGREEN),
             ("STATBAR", DGREEN), ("GLOBALS", DGREEN), ("RESOURCE", DMAGENTA), ("RES", DYELLOW)]
    for n, (name, colour) in enumerate(files):
        col, row = n % 6, n // 6
        file_icon(c, 28 + col * 72, 180 + row * 56, name, colour)
    # The steps of the wizard, as a row of numbered buttons.
    c.text(14, 300, "NAME IT, PICK A FOLDER, THEN NEXT >", DBLUE)
    for n in range(6):
        c.bevel(14 + n * 70, 316, 62, 30)
        c.text(22 + n * 70, 327, "STEP " + str(n + 1), BLACK)
    return c


PICTURES = [
    ("TOOLBAR", "bitmap", toolbar, "Tool bar buttons: new, open, save, cut, copy, paste, print, about, context help."),
    ("MDICHILD", "icon", doc_icon, "Document icon: a ruled page captioned DOC1 with a curled corner."),
    ("MFCVANTREL", "icon", app_icon, "Application icon: the M, F and C cubes on dark blue."),
    ("NEWPROJECT", "bitmap", newproject_picture, "New project dialog: what the wizard makes."),
    ("BACKIMAGE", "bitmap", back_picture, "Side strip of wizard steps 1 to 5."),
    ("FINALIMAGE", "bitmap", final_picture, "Side strip of the class step: ready to generate."),
    ("MDI", "bitmap", mdi_picture, "Step 1, multiple documents: a frame with several document windows."),
    ("SDI", "bitmap", sdi_picture, "Step 1, single document: a frame with one document window."),
    ("STEP2IMAGE", "bitmap", database_picture, "Step 2: database support."),
    ("INTERFACE", "bitmap", interface_picture, "Step 4: tool bar, status bar and printing."),
    ("STEP5_DOC", "bitmap", lambda: code_picture(True), "Step 5: source with comments."),
    ("STEP5_NODOC", "bitmap", lambda: code_picture(False), "Step 5: source without comments."),
    ("3DCTRL", "bitmap", ctl3d_picture, "Step 4: three-dimensional controls."),
]


def main():
    preview = sys.argv[2] if len(sys.argv) > 2 and sys.argv[1] == "--preview" else None
    for name, kind, draw, comment in PICTURES:
        picture = draw()
        picture.save(os.path.join(HERE, name + ".pic"), kind,
                     [comment, "Drawn by draw_pictures.py; one character per pixel."])
        if preview:
            os.makedirs(preview, exist_ok=True)
            ppm = os.path.join(preview, name + ".ppm")
            scale = 8 if picture.width <= 32 else (4 if picture.width <= 144 else 2)
            picture.save_ppm(ppm, scale)
            subprocess.run(["convert", ppm, os.path.join(preview, name + ".png")], check=True)
            os.remove(ppm)


if __name__ == "__main__":
    main()
