// SPDX-License-Identifier: MIT
//
// Makes the texts of the differential notation test and asks colorjs.io, an
// independent implementation of CSS Color 4, what each one is.
//
//   node oracle.mjs [COUNT] > cases.tsv
//
// The texts are made by a seeded generator, so every run gives the same
// ones: valid colours of every CSS form (with clamped, exponent, percentage
// and none values, every hue unit, random letter case, comments and
// blanks), context-bound keywords, near-misses made by one small edit of a
// valid text, and junk. One line per text:
//
//   HEX-OF-TEXT <tab> KIND <tab> verdict (ok | no) <tab> rrggbb <tab> alpha
//     <tab> grammar verdict (ok | no) <tab> the channels before rounding
//     (0..255, nine decimals, separated by commas)
//
// rrggbb is the 8-bit sRGB colour after colorjs.io's CSS gamut mapping
// (toGamut({method: "css"})) and rounding to the nearest 8-bit value, halves
// up, as browsers round.
//
// Where colorjs.io differs from the CSS grammar in ways that have nothing
// to do with the colour, the text given to it is adjusted before asking:
//   - it is lower-cased: colorjs.io reads "10DEG" as NaN, while CSS units,
//     keywords and functions are case-insensitive;
//   - CSS comments are removed: colorjs.io does not read them, while CSS
//     drops them in tokenizing.
// And CSS clamps some values when it reads them, which colorjs.io leaves
// for later (it then gamut maps them instead): rgb() channels to 0..255,
// hsl() saturation to >= 0, lab()/lch() lightness to 0..100, oklab()/oklch()
// lightness to 0..1, lch()/oklch() chroma to >= 0. Those clamps are applied
// to colorjs.io's parsed coordinates before the conversion. A result with a
// NaN or infinite coordinate (colorjs.io "reads" calc() and "-99.e851%"
// that way, and its gamut mapping never ends for the latter) counts as
// refused.
//
// colorjs.io reads far more than the CSS grammar allows (commas in the
// modern syntax, "%%", "))", a fourth value taken as alpha, ...) and a
// little less (an unclosed function, "1-2" as two numbers). So each text
// also gets a grammar verdict from @csstools/css-color-parser, which reads
// through a CSS tokenizer and parser as browsers do. The test keeps a
// disagreement with colorjs.io only where that verdict sides with Tintora.

import Color from "colorjs.io";
import KEYWORDS from "colorjs.io/src/keywords.js";
import { color as cssColor } from "@csstools/css-color-parser";
import { isWhiteSpaceOrCommentNode, parseListOfComponentValues } from "@csstools/css-parser-algorithms";
import { tokenize } from "@csstools/css-tokenizer";

const count = Number(process.argv[2] || 12000);

// mulberry32: small, seeded, the same on every machine.
let seed = 0x5eed1234;
function random() {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = seed;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const int = (n) => Math.floor(random() * n);
const pick = (list) => list[int(list.length)];
const chance = (p) => random() < p;

const names = Object.keys(KEYWORDS);

// A number as CSS allows it to be written.
function num(lo, hi, { decimals = 3 } = {}) {
    const v = lo + random() * (hi - lo);
    const r = int(10);
    if (r === 0) return String(Math.round(v));
    if (r === 1 && Math.abs(v) > 1) {
        // an exponent
        const e = Math.floor(Math.log10(Math.abs(v)));
        return (v / 10 ** e).toFixed(2) + pick(["e", "E"]) + (chance(0.5) ? "+" : "") + e;
    }
    if (r === 2 && Math.abs(v) < 1) {
        const s = v.toFixed(decimals);
        return s.replace(/^(-?)0\./, "$1."); // ".5"
    }
    if (r === 3 && v >= 0) return "+" + v.toFixed(1);
    return v.toFixed(int(decimals + 1));
}

function hue() {
    const r = int(7);
    if (r === 0) return num(-400, 800) + "deg";
    if (r === 1) return num(0, 400) + "grad";
    if (r === 2) return num(-7, 7) + "rad";
    if (r === 3) return num(-1, 2) + "turn";
    return num(-30, 400);
}

const sep = () => pick([" ", " ", " ", "  ", "\t"]);
const opt = () => pick(["", "", " ", "\t"]);

function alphaModern() {
    const r = int(5);
    if (r === 0) return "none";
    if (r === 1) return num(-20, 120) + "%";
    return num(-0.2, 1.2);
}

function modern(fn, values, prefix = "") {
    const parts = values.map((v) => (chance(0.06) ? "none" : v));
    let text = fn + "(" + opt() + prefix + parts.join(sep());
    if (chance(0.4)) text += opt() + "/" + opt() + alphaModern();
    return text + opt() + ")";
}

function legacy(fn, values, withAlpha) {
    const comma = () => opt() + "," + opt();
    let text = fn + "(" + opt() + values.join(comma());
    if (withAlpha) text += comma() + (chance(0.3) ? num(-10, 110) + "%" : num(-0.2, 1.2));
    return text + opt() + ")";
}

const pct = (lo, hi) => num(lo, hi) + "%";
const numOrPct = (lo, hi, plo, phi) => (chance(0.5) ? num(lo, hi) : pct(plo, phi));

const makers = {
    hex() {
        const n = pick([3, 4, 6, 8]);
        let s = "#";
        for (let i = 0; i < n; i++) s += pick("0123456789abcdefABCDEF");
        return s;
    },
    name() {
        const n = chance(0.05) ? "transparent" : pick(names);
        const r = int(3);
        return r === 0 ? n.toUpperCase() : r === 1 ? n[0].toUpperCase() + n.slice(1) : n;
    },
    "rgb-legacy"() {
        const values = chance(0.5)
            ? [num(-20, 280), num(-20, 280), num(-20, 280)]
            : [pct(-10, 110), pct(-10, 110), pct(-10, 110)];
        return legacy(pick(["rgb", "rgba"]), values, chance(0.4));
    },
    "rgb-modern"() {
        const v = () => numOrPct(-20, 280, -10, 110);
        return modern(pick(["rgb", "rgba"]), [v(), v(), v()]);
    },
    "hsl-legacy"() {
        return legacy(pick(["hsl", "hsla"]), [hue(), pct(0, 110), pct(-10, 110)], chance(0.4));
    },
    "hsl-modern"() {
        return modern(pick(["hsl", "hsla"]), [hue(), numOrPct(0, 110, 0, 110), numOrPct(-10, 110, -10, 110)]);
    },
    hwb() {
        return modern("hwb", [hue(), numOrPct(0, 80, 0, 80), numOrPct(0, 80, 0, 80)]);
    },
    lab() {
        return modern("lab", [numOrPct(-10, 110, -10, 110), numOrPct(-160, 160, -120, 120), numOrPct(-160, 160, -120, 120)]);
    },
    lch() {
        return modern("lch", [numOrPct(-10, 110, -10, 110), numOrPct(-10, 230, -10, 150), hue()]);
    },
    oklab() {
        return modern("oklab", [numOrPct(-0.1, 1.1, -10, 110), numOrPct(-0.5, 0.5, -120, 120), numOrPct(-0.5, 0.5, -120, 120)]);
    },
    oklch() {
        return modern("oklch", [numOrPct(-0.1, 1.1, -10, 110), numOrPct(-0.05, 0.5, -10, 120), hue()]);
    },
    color() {
        const space = pick(["srgb", "srgb-linear", "display-p3", "a98-rgb", "prophoto-rgb", "rec2020", "xyz", "xyz-d50", "xyz-d65"]);
        const v = () => numOrPct(-0.2, 1.2, -20, 120);
        return modern("color", [v(), v(), v()], space + sep());
    },
    context() {
        return pick(["currentcolor", "currentColor", "Canvas", "CanvasText", "ButtonText", "Highlight", "GrayText",
            "AccentColor", "Field", "LinkText", "ThreeDFace", "Window", "color(--brand 1 0 0)"]);
    },
};
const validKinds = Object.keys(makers).filter((k) => k !== "context");

// Comments between the tokens of a valid text (the oracle sees it without).
function withComments(text) {
    const at = [0, text.length];
    for (let i = 1; i < text.length; i++) {
        if (" (/),".includes(text[i]) || " (/),".includes(text[i - 1])) at.push(i);
    }
    const where = pick(at);
    const comment = pick(["/* x */", "/**/", "/* a, b / c */"]);
    return [text.slice(0, where) + comment + text.slice(where), text.slice(0, where) + " " + text.slice(where)];
}

function upperSome(text) {
    return text.replace(/[a-z]/g, (c) => (chance(0.3) ? c.toUpperCase() : c));
}

const editChars = ",/()%+-.e#0123456789 afgnoz";
function nearMiss(text) {
    const i = int(text.length);
    switch (int(6)) {
    case 0: return text.slice(0, i) + text.slice(i + 1);                      // drop a character
    case 1: return text.slice(0, i) + text[i] + text.slice(i);                // double one
    case 2: return text.slice(0, i) + pick(editChars) + text.slice(i);       // insert one
    case 3: return text.slice(0, i) + pick(editChars) + text.slice(i + 1);   // replace one
    case 4: return i + 1 < text.length ? text.slice(0, i) + text[i + 1] + text[i] + text.slice(i + 2) : text + ")";
    default: return text.replace(/\)$/, pick([" / )", " 1)", ",)", " none)", "))", " /* )"]));
    }
}

function junk() {
    const alphabet = "#(),/% -.+e0123456789abcdefrgbhslwkocnxyz";
    let s = "";
    const n = 1 + int(24);
    for (let i = 0; i < n; i++) s += pick(alphabet);
    return s;
}

// What colorjs.io makes of a text: null when it refuses.
function oracle(text) {
    let color;
    try {
        color = new Color(text);
    } catch {
        return null;
    }
    const fn = text.trim().replace(/\(.*$/s, "");
    const coords = color.coords.map((v) => (v === null ? 0 : v));
    // colorjs.io's gamut mapping never ends for an infinite coordinate.
    if (coords.some((v) => typeof v !== "number" || !Number.isFinite(v))) return null;
    const clamp = (v, lo, hi) => Math.min(hi, Math.max(lo, v));
    if (fn === "rgb" || fn === "rgba") {
        for (let i = 0; i < 3; i++) coords[i] = clamp(coords[i], 0, 1);
    } else if (fn === "hsl" || fn === "hsla") {
        coords[1] = Math.max(coords[1], 0);
    } else if (fn === "lab" || fn === "lch") {
        coords[0] = clamp(coords[0], 0, 100);
        if (fn === "lch") coords[1] = Math.max(coords[1], 0);
    } else if (fn === "oklab" || fn === "oklch") {
        coords[0] = clamp(coords[0], 0, 1);
        if (fn === "oklch") coords[1] = Math.max(coords[1], 0);
    }
    color.coords = coords;
    const srgb = color.toGamut({ method: "css", space: "srgb" }).to("srgb");
    const exact = srgb.coords.map((v) => Math.min(1, Math.max(0, v === null ? 0 : v)) * 255);
    const rgb = exact.map((v) => Math.round(v));
    if (rgb.some(Number.isNaN)) return null;
    const alpha = color.alpha === null || Number.isNaN(color.alpha) ? 0 : color.alpha;
    return { rgb, alpha, exact };
}

// Whether the CSS grammar reads the text as one <color>.
function grammar(text) {
    const values = parseListOfComponentValues(tokenize({ css: text })).filter((v) => !isWhiteSpaceOrCommentNode(v));
    if (values.length !== 1) return false;
    try {
        return cssColor(values[0]) !== false;
    } catch {
        return false;
    }
}

const hex = (s) => Buffer.from(s, "utf8").toString("hex");
const out = [];
function emit(kind, text, oracleText = text) {
    const r = oracle(oracleText.toLowerCase());
    const rgb = r ? r.rgb.map((v) => v.toString(16).padStart(2, "0")).join("") : "-";
    const exact = r ? r.exact.map((v) => v.toFixed(9)).join(",") : "-";
    out.push([hex(text), kind, r ? "ok" : "no", rgb, r ? String(r.alpha) : "-", grammar(text) ? "ok" : "no", exact].join("\t"));
}

for (let n = 0; n < count; n++) {
    const r = random();
    if (r < 0.55) {
        const kind = pick(validKinds);
        let text = makers[kind]();
        if (chance(0.15)) text = upperSome(text);
        if (chance(0.1)) {
            const [shown, plain] = withComments(text);
            emit(kind + "+comment", shown, plain);
        } else {
            const pad = chance(0.1) ? pick([" ", "\t", "  "]) : "";
            emit(kind, pad + text + pad);
        }
    } else if (r < 0.85) {
        const kind = pick(validKinds);
        emit("near-miss:" + kind, nearMiss(makers[kind]()));
    } else if (r < 0.88) {
        emit("context", makers.context());
    } else {
        emit("junk", junk());
    }
}
process.stdout.write(out.join("\n") + "\n");
